// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/host_state.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "flow/running_game.h"
#include "flow/safe_file.h"
#include "reading/network.h"

namespace vaeloric::net {

namespace {

constexpr const char* kFirstLine = "vaeloric host game 1";

// A text of any bytes: its length on the key's line, then the bytes.
void PutText(std::string& out, const char* key, const std::string& text) {
    out += std::string(key) + " " + std::to_string(text.size()) + "\n" + text + "\n";
}

class TReader {
  public:
    explicit TReader(const std::string& text) : text_(text) {}
    bool AtEnd() const { return at_ >= text_.size(); }
    bool Line(std::string& line) {
        const std::size_t end = text_.find('\n', at_);
        if (end == std::string::npos) return false;
        line = text_.substr(at_, end - at_);
        at_ = end + 1;
        return true;
    }
    bool Text(std::size_t size, std::string& text) {
        if (size > text_.size() - at_ || at_ + size >= text_.size() || text_[at_ + size] != '\n')
            return false;
        text = text_.substr(at_, size);
        at_ += size + 1;
        return true;
    }

  private:
    const std::string& text_;
    std::size_t at_ = 0;
};

bool Number(const std::string& word, long low, long high, long& value) {
    if (word.empty() || word.size() > 12) return false;
    char* end = nullptr;
    value = std::strtol(word.c_str(), &end, 10);
    return *end == '\0' && value >= low && value <= high;
}

}  // namespace

std::string FormatActivation(const TReadingRecord& reading) {
    std::string text;
    char number[64];
    for (const float value : reading.gameActivation) {
        std::snprintf(number, sizeof number, "%a ", static_cast<double>(value));
        text += number;
    }
    return text;
}

bool ParseActivation(const std::string& text, TReadingRecord& reading) {
    std::istringstream in(text);
    for (float& value : reading.gameActivation) {
        std::string word;
        if (!(in >> word)) return false;
        char* end = nullptr;
        value = std::strtof(word.c_str(), &end);
        if (*end != '\0') return false;
    }
    std::string more;
    if (in >> more) return false;
    // The game's reading is written from the state: a text made from the
    // rounded state of a saved game may differ from the one play reaches.
    ComposeGameText(reading);
    return true;
}

std::string FormatHostState(const THostState& state) {
    std::string out = std::string(kFirstLine) + "\n";
    for (const std::string& option : state.options) PutText(out, "option", option);
    out += "port " + std::to_string(state.port) + "\n";
    for (const auto& [seat, code] : state.codes)
        out += "seat " + std::to_string(seat) + " " + code + "\n";
    for (const auto& [seat, turn] : state.handedOver)
        out += "handed-over " + std::to_string(seat) + " " + std::to_string(turn) + "\n";
    out += "dice " + state.dice + "\n";
    out += "next-turn " + std::to_string(state.nextTurn) + "\n";
    out += "computer-moves " + std::to_string(state.computerMoves) + "\n";
    out += "result " + state.result + "\n";
    for (const TTurnPlayed& p : state.played)
        out += "played " + std::to_string(p.turn) + " " + std::to_string(p.army) + " " +
               std::to_string(p.face) + " " + (p.missed ? "1" : "0") + " " +
               std::to_string(p.from.rank) + " " + std::to_string(p.from.file) + " " +
               std::to_string(p.to.rank) + " " + std::to_string(p.to.file) + "\n";
    for (const std::string& line : state.lines) PutText(out, "line", line);
    PutText(out, "game", state.game);
    PutText(out, "activation", state.activation);
    PutText(out, "record", state.record);
    out += "end\n";
    return out;
}

bool ParseHostState(const std::string& text, THostState& state, std::string& problem) {
    state = THostState{};
    problem = "It is not a host's game file.";
    TReader reader(text);
    std::string line;
    if (!reader.Line(line) || line != kFirstLine) return false;
    bool ended = false;
    while (!ended && reader.Line(line)) {
        std::istringstream words(line);
        std::string key, a, b;
        words >> key;
        std::vector<std::string> rest;
        while (words >> a) rest.push_back(a);
        long n = 0, m = 0;
        if (key == "end" && rest.empty()) {
            ended = true;
        } else if ((key == "option" || key == "line" || key == "game" || key == "activation" ||
                    key == "record") &&
                   rest.size() == 1) {
            std::string value;
            if (!Number(rest[0], 0, 1L << 30, n) ||
                !reader.Text(static_cast<std::size_t>(n), value))
                return false;
            if (key == "option") state.options.push_back(value);
            if (key == "line") state.lines.push_back(value);
            if (key == "game") state.game = value;
            if (key == "activation") state.activation = value;
            if (key == "record") state.record = value;
        } else if (key == "port" && rest.size() == 1 && Number(rest[0], 1, 65535, n)) {
            state.port = static_cast<std::uint16_t>(n);
        } else if (key == "seat" && rest.size() == 2 && Number(rest[0], 2, 4, n) &&
                   IsSeatCode(rest[1])) {
            state.codes[static_cast<int>(n)] = rest[1];
        } else if (key == "handed-over" && rest.size() == 2 && Number(rest[0], 2, 4, n) &&
                   Number(rest[1], 1, kMaxTurnNumber, m)) {
            state.handedOver[static_cast<int>(n)] = m;
        } else if (key == "dice" && rest.size() == 1) {
            state.dice = rest[0];
        } else if (key == "next-turn" && rest.size() == 1 &&
                   Number(rest[0], 1, kMaxTurnNumber, n)) {
            state.nextTurn = n;
        } else if (key == "computer-moves" && rest.size() == 1 &&
                   Number(rest[0], 0, kMaxTurnNumber, n)) {
            state.computerMoves = n;
        } else if (key == "result" && rest.size() == 1 &&
                   (rest[0] == "win" || rest[0] == "lose" || rest[0] == "unfinished")) {
            state.result = rest[0];
        } else if (key == "played" && rest.size() == 8) {
            long v[8];
            for (int i = 0; i < 8; ++i)
                if (!Number(rest[static_cast<std::size_t>(i)], 0, kMaxTurnNumber, v[i]))
                    return false;
            TTurnPlayed p;
            p.turn = v[0];
            p.army = static_cast<int>(v[1]);
            p.face = static_cast<int>(v[2]);
            p.missed = v[3] != 0;
            p.from = TSquare{static_cast<std::int32_t>(v[4]), static_cast<std::int32_t>(v[5])};
            p.to = TSquare{static_cast<std::int32_t>(v[6]), static_cast<std::int32_t>(v[7])};
            state.played.push_back(p);
        } else {
            return false;
        }
    }
    if (!ended || !reader.AtEnd() || state.port == 0 || state.dice.empty() || state.game.empty())
        return false;
    // The turns follow one another from the first.
    for (std::size_t i = 0; i < state.played.size(); ++i)
        if (state.played[i].turn != static_cast<long>(i) + 1) return false;
    if (state.nextTurn != static_cast<long>(state.played.size()) + 1 ||
        state.lines.size() != state.played.size())
        return false;
    problem.clear();
    return true;
}

bool KeepBoardHostState(const std::string& runningPath, THostState state) {
    if (runningPath.empty()) return true;
    state.dice = "board";
    state.nextTurn = static_cast<long>(state.played.size()) + 1;
    state.lines.clear();
    for (const TTurnPlayed& p : state.played)
        state.lines.push_back("turn " + std::to_string(p.turn) + ": army " +
                              std::to_string(p.army) + " threw " + std::to_string(p.face) +
                              (p.missed ? ", missed" : ""));
    // It holds the seat codes: its owner's only.
    TWriteOptions secret;
    secret.ownerOnly = true;
    return WriteFileSafely(RunningHostFile(runningPath), FormatHostState(state), secret) ==
           TFileOutcome::Done;
}

bool ReadBoardHostState(const std::string& runningPath, THostState& state, std::string& problem) {
    std::string bytes;
    // A game played at one screen keeps none: nothing to say.
    std::error_code error;
    if (!std::filesystem::exists(RunningHostFile(runningPath), error)) {
        problem.clear();
        return false;
    }
    if (ReadFileSafely(RunningHostFile(runningPath), kMaxHostStateBytes, bytes) !=
        TFileOutcome::Done) {
        problem = "The hosted game's network side cannot be read.";
        return false;
    }
    return ParseHostState(bytes, state, problem);
}

bool ContinueBoardHostState(THostState& state, long nextTurn) {
    if (nextTurn < 1 || static_cast<long>(state.played.size()) < nextTurn - 1) return false;
    state.played.resize(static_cast<std::size_t>(nextTurn - 1));
    state.lines.resize(state.played.size());
    state.nextTurn = nextTurn;
    return true;
}

}  // namespace vaeloric::net
