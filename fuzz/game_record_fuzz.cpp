// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the game-record reader, as they come and with
// their checks made right, so that the fuzzer reaches the replay of the
// turns. Whatever it accepts must write back to a record that reads to the
// very same text; whatever it refuses gets one sentence naming a line.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "flow/game_record.h"
#include "flow/record_play.h"

namespace {

using namespace vaeloric;

void Require(bool condition) {
    if (!condition) std::abort();
}

// The input with the Check tag and every turn's check recomputed.
std::string Sealed(std::string_view bytes) {
    std::string out, tags, chain;
    bool inTurns = false;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string line(bytes.substr(start, end - start));
        start = end + 1;
        if (!inTurns && line.rfind("[Check ", 0) == 0) {
            chain = RecordCheck("", tags);
            line = "[Check \"" + chain + "\"]";
        } else if (!inTurns && line.empty()) {
            inTurns = true;
        } else if (inTurns) {
            const std::size_t mark = line.rfind(" ;");
            if (mark != std::string::npos) line.resize(mark);
            chain = RecordCheck(chain, line);
            line += " ;" + chain;
        } else {
            tags += line + "\n";
        }
        out += line + "\n";
    }
    return out;
}

void Check(std::string_view bytes) {
    TGameRecord record;
    auto end = std::make_unique<TRecordPosition>();
    const TRecordReadResult result = ParseRecord(bytes, record, end.get());
    if (!result.ok) {
        Require(result.line >= 1);
        Require(result.message.rfind("Line " + std::to_string(result.line) + " ", 0) == 0);
        Require(result.message.back() == '.');
        Require(result.message.find('\n') == std::string::npos);
        return;
    }
    const std::string written = FormatRecord(record);
    TGameRecord again;
    Require(ParseRecord(written, again).ok);
    Require(FormatRecord(again) == written);
    Require(again.turns.size() == record.turns.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes);
    Check(Sealed(bytes));
    return 0;
}
