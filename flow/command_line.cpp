// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/command_line.h"

#include <algorithm>
#include <string>

#include "players/seer.h"

namespace vaeloric {

TStartMode DecideStartMode(int argumentCount, const char* const* arguments) {
    if (argumentCount != 1) return TStartMode::Demonstration;
    if (arguments[0][0] == '*') return TStartMode::Reload;
    return TStartMode::Launcher;
}

std::string ReloadPath(std::string_view argument) {
    if (argument.empty() || argument[0] != '*') return {};
    return std::string(argument.substr(1));
}

namespace {

// Walks the argument; every read is bounds-checked.
class TFieldReader {
  public:
    explicit TFieldReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return pos_ >= text_.size(); }
    bool AtSeparator() const {
        return pos_ + 1 < text_.size() && text_[pos_] == '^' && text_[pos_ + 1] == '@';
    }
    char Take() { return AtEnd() ? '\0' : text_[pos_++]; }
    void Skip(std::size_t count) { pos_ = std::min(text_.size(), pos_ + count); }

    // Copies up to `limit` characters up to the next separator, skips the rest
    // of the field and steps over the separator.
    std::string Field(std::size_t limit) {
        std::string out;
        while (!AtEnd() && !AtSeparator()) out += text_[pos_++];
        CutAtCharacter(out, limit);
        if (AtSeparator()) pos_ += 2;
        return out;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

void ParseLauncherArgument(std::string_view argument, char boardLetter, TSetUpRecord& record) {
    TFieldReader reader(argument);
    // Digits outside 1..8 stay outside the board, for the check to refuse.
    record.ptah.rank = reader.Take() - '0';
    record.ptah.file = reader.Take() - '0';
    record.boardLetter = boardLetter;
    reader.Skip(1);

    record.caption = kCaptionPrefix + reader.Field(kMaxQuestionLength);

    record.questionerName = reader.Field(kMaxNameLength);
    FoldNameCase(record.questionerName);

    for (int seat = 2; seat <= 4; ++seat) {
        if (reader.AtEnd()) break;
        const std::int32_t code = PlayerCodeOfLetter(reader.Take());
        if (code != 0) record.seatCode[seat] = code;
        if (record.seatCode[seat] == Human) {
            record.seatName[seat] = reader.Field(kMaxNameLength);
            FoldNameCase(record.seatName[seat]);
        }
    }
}

std::string CheckLauncherRecord(const TSetUpRecord& record) {
    if (!OnBoard(record.ptah.rank, record.ptah.file))
        return "The Ptah square must be given as two digits from 1 to 8 (rank, then file).";
    for (int seat = 2; seat <= 4; ++seat) {
        if (record.seatCode[seat] < 1 || record.seatCode[seat] > kSeerCode)
            return "Seat " + std::to_string(seat) +
                   " has no player: its letter must be one of h, f, o, r, c, i, a, q, s.";
    }
    return {};
}

void FoldNameCase(std::string& name) {
    for (std::size_t i = 1; i < name.size() && i < kMaxNameLength; ++i) {
        const char c = name[i];
        if (c >= 'A' && c <= 'Z' && name[i - 1] != ' ') name[i] = static_cast<char>(c - 'A' + 'a');
    }
}

}  // namespace vaeloric
