// SPDX-License-Identifier: GPL-3.0-or-later

// The strict reader of game records. A record is trusted only after every
// turn has been played again on the rules and the whole text is exactly what
// the writer makes of the game it describes: a damaged or edited record is
// refused, naming the first line at fault, and never read as another game.

#include <algorithm>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "flow/game_record.h"
#include "flow/record_play.h"
#include "flow/saved_game_format.h"
#include "flow/setup_record.h"
#include "players/seer.h"

namespace vaeloric {

namespace {

struct TLine {
    long number = 0;
    std::string_view text;
};

// Well-formed UTF-8 without NUL and other control bytes (a tab aside).
bool IsTextLine(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size()) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if (byte < 0x80) {
            if ((byte < 0x20 && byte != '\t') || byte == 0x7f) return false;
            ++i;
            continue;
        }
        int extra;
        unsigned least;
        if (byte >= 0xc2 && byte <= 0xdf) {
            extra = 1;
            least = 0x80;
        } else if (byte >= 0xe0 && byte <= 0xef) {
            extra = 2;
            least = 0x800;
        } else if (byte >= 0xf0 && byte <= 0xf4) {
            extra = 3;
            least = 0x10000;
        } else {
            return false;
        }
        if (i + static_cast<std::size_t>(extra) >= line.size()) return false;
        unsigned code = byte & (0x3f >> extra);
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(line[i + static_cast<std::size_t>(k)]);
            if ((next & 0xc0) != 0x80) return false;
            code = (code << 6) | (next & 0x3f);
        }
        if (code < least || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff)) return false;
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}

class TRefusal {
  public:
    TRecordReadResult result;
    TRefusal(long line, const std::string& what) {
        result.line = line;
        result.message = "Line " + std::to_string(line) + " of the game record " + what + ".";
    }
};

// A tag line: [Name "value"], the value unescaped.
bool ParseTag(std::string_view text, std::string& name, std::string& value) {
    if (text.size() < 5 || text.front() != '[' || text.back() != ']') return false;
    const std::size_t space = text.find(' ');
    if (space == std::string_view::npos || space < 2) return false;
    name.assign(text.substr(1, space - 1));
    for (char c : name)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    std::string_view rest = text.substr(space + 1, text.size() - space - 2);
    if (rest.size() < 2 || rest.front() != '"' || rest.back() != '"') return false;
    rest = rest.substr(1, rest.size() - 2);
    value.clear();
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const char c = rest[i];
        if (c == '"') return false;
        if (c != '\\') {
            value += c;
            continue;
        }
        if (++i >= rest.size()) return false;
        const char e = rest[i];
        if (e == '\\' || e == '"') {
            value += e;
        } else if (e == 'n') {
            value += '\n';
        } else if (e == 'x' && i + 2 < rest.size()) {
            auto hex = [](char h) {
                if (h >= '0' && h <= '9') return h - '0';
                if (h >= 'a' && h <= 'f') return h - 'a' + 10;
                return -1;
            };
            const int high = hex(rest[i + 1]), low = hex(rest[i + 2]);
            if (high < 0 || low < 0) return false;
            value += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            return false;
        }
    }
    return true;
}

bool ParseSeat(const std::string& value, std::int32_t& code, std::string& name) {
    if (value.empty()) return false;
    code = PlayerCodeOfLetter(value[0]);
    if (code == 0) return false;
    name.clear();
    if (value.size() == 1) return true;
    if (code != Human || value[1] != ' ' || value.size() == 2) return false;
    name = value.substr(2);
    return true;
}

std::int32_t ArmyOfColour(std::string_view word) {
    for (int army = 1; army <= 4; ++army)
        if (word == saved_game::kColourWords[army]) return army;
    return 0;
}

bool ParseSquareText(std::string_view text, TSquare& square) {
    if (text.size() != 2 || text[0] < 'A' || text[0] > 'H' || text[1] < '1' || text[1] > '8')
        return false;
    square = TSquare{text[1] - '0', text[0] - 'A' + 1};
    return true;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The part of a turn line that the rules do not decide: number, army,
// throw, and the move or Miss Go. The rest is checked against the rules.
bool ParseTurnLine(std::string_view text, TRecordTurn& turn, std::string& why) {
    const std::vector<std::string_view> words = Words(text);
    if (words.size() < 4) {
        why = "is not a whole turn";
        return false;
    }
    const std::string_view number = words[0];
    if (number.size() < 2 || number.size() > 7 || number.back() != '.' || number[0] == '0') {
        why = "does not begin with a turn number";
        return false;
    }
    turn.number = 0;
    for (std::size_t i = 0; i + 1 < number.size(); ++i) {
        if (number[i] < '0' || number[i] > '9') {
            why = "does not begin with a turn number";
            return false;
        }
        turn.number = turn.number * 10 + (number[i] - '0');
    }
    turn.army = ArmyOfColour(words[1]);
    if (turn.army == 0) {
        why = "does not name an army (red, black, yellow or blue)";
        return false;
    }
    const std::string_view face = words[2];
    if (face == "-") {
        turn.face = 0;
    } else if (face.size() == 1 && face[0] >= '1' && face[0] <= '6') {
        turn.face = face[0] - '0';
    } else {
        why = "has a throw out of range (a face from 1 to 6, or - for none)";
        return false;
    }
    const std::string_view action = words[3];
    if (action == "miss") {
        turn.miss = TMissGo::DicePrevents;
        return true;
    }
    turn.miss = TMissGo::None;
    if (action.size() < 6 || !ParseSquareText(action.substr(1, 2), turn.from) ||
        (action[3] != '-' && action[3] != 'x') || !ParseSquareText(action.substr(4, 2), turn.to)) {
        why = "has no move of the form QD1-D4 or miss";
        return false;
    }
    return true;
}

struct TTagLines {
    long game = 0, result = 0, start = 0;
};

TRecordReadResult Parse(std::string_view bytes, TGameRecord& out, TRecordPosition* endPosition) {
    if (bytes.size() > kMaxRecordBytes)
        return TRefusal(1, "is part of a file too large for a record (over 4 MiB)").result;

    std::vector<TLine> lines;
    {
        std::size_t start = 0;
        long number = 1;
        while (start < bytes.size()) {
            std::size_t end = bytes.find('\n', start);
            if (end == std::string_view::npos) end = bytes.size();
            std::string_view text = bytes.substr(start, end - start);
            if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
            lines.push_back({number++, text});
            start = end + 1;
        }
    }
    if (lines.empty()) return TRefusal(1, "is missing: the file is empty").result;
    for (const TLine& line : lines)
        if (!IsTextLine(line.text))
            return TRefusal(line.number, "is not text, so the file is not a game record").result;

    TGameRecord record;
    TTagLines tagLines;
    std::size_t index = 0;
    std::string name, value;
    if (!ParseTag(lines[0].text, name, value) || name != "Game" || value != kRecordFormatName)
        return TRefusal(1, "does not begin a Vaeloric Chess record").result;
    bool seen[16] = {};
    std::string chain;
    static constexpr const char* kTags[] = {
        "Game",  "Board", "Ptah",  "Question", "Demonstration", "Seat1", "Seat2",
        "Seat3", "Seat4", "Start", "Result",   "Reason",        "Check"};
    constexpr int kTagCount = sizeof kTags / sizeof kTags[0];
    for (; index < lines.size() && !lines[index].text.empty(); ++index) {
        const TLine& line = lines[index];
        if (!ParseTag(line.text, name, value))
            return TRefusal(line.number, "is not a tag of the form [Name \"value\"]").result;
        int tag = 0;
        while (tag < kTagCount && name != kTags[tag]) ++tag;
        if (tag == kTagCount) return TRefusal(line.number, "has an unknown tag").result;
        if (seen[tag]) return TRefusal(line.number, "repeats a tag").result;
        seen[tag] = true;
        bool valid = true;
        switch (tag) {
            case 0:
                tagLines.game = line.number;
                break;
            case 1:
                valid = value.size() == 1 && ElementCodeOfLetter(value[0]) != 0;
                if (valid) record.boardLetter = value[0];
                break;
            case 2:
                valid = ParseSquareText(value, record.ptah) &&
                        !((record.ptah.rank == 1 || record.ptah.rank == 8) &&
                          (record.ptah.file == 1 || record.ptah.file == 8));
                break;
            case 3:
                record.question = value;
                valid = value.size() <= kMaxQuestionLength + kMaxCaptionLength;
                break;
            case 4:
                record.demonstration = true;
                valid = value == "yes";
                break;
            case 5:
            case 6:
            case 7:
            case 8: {
                const int seat = tag - 4;
                valid = ParseSeat(value, record.seatCode[seat], record.seatName[seat]) &&
                        record.seatName[seat].size() <= kMaxNameLength;
                break;
            }
            case 9:
                record.start = value;
                tagLines.start = line.number;
                valid = !value.empty();
                break;
            case 10:
                tagLines.result = line.number;
                if (value == "win")
                    record.result = TRecordResult::Win;
                else if (value == "lose")
                    record.result = TRecordResult::Lose;
                else
                    valid = value == ResultTagValue(TRecordResult::Unfinished);
                break;
            case 11: {
                valid = false;
                for (auto reason :
                     {TRecordReason::None, TRecordReason::PtahHeld, TRecordReason::PtahAttacked,
                      TRecordReason::DoubleCheckmate, TRecordReason::Resigned})
                    if (value == ReasonTagValue(reason)) {
                        record.reason = reason;
                        valid = true;
                    }
                break;
            }
            case 12: {
                std::string tags;
                for (std::size_t i = 0; i < index; ++i) {
                    tags += lines[i].text;
                    tags += '\n';
                }
                if (value != RecordCheck("", tags))
                    return TRefusal(line.number,
                                    "does not match the tags before it, which have been changed")
                        .result;
                chain = value;
                break;
            }
            default:
                break;
        }
        if (!valid) return TRefusal(line.number, "has a tag value that is not allowed").result;
    }
    const long afterTags = index < lines.size() ? lines[index].number : lines.back().number + 1;
    for (int tag = 0; tag < kTagCount; ++tag) {
        const bool optional = tag == 3 || tag == 4 || tag == 9;
        if (!optional && !seen[tag])
            return TRefusal(afterTags, std::string("comes before the tag ") + kTags[tag] +
                                           " that every record has")
                .result;
    }
    if (seen[3] == seen[4])
        return TRefusal(afterTags,
                        "comes after tags with neither a question nor a demonstration, "
                        "or with both")
            .result;
    // The headless tool lets any computer player, the Seer too, be the
    // Questioner.
    if (record.seatCode[1] != Human && !IsAnyComputerCode(record.seatCode[1]))
        return TRefusal(afterTags, "follows a Questioner's seat that no one can take").result;

    auto game = std::make_unique<TRecordPosition>();
    std::string why;
    if (!SetUpRecordPosition(record, *game, why))
        return TRefusal(tagLines.start != 0 ? tagLines.start : afterTags, "is refused: " + why)
            .result;

    // The turns, one a line after the blank line that ends the tags.
    TRecordPlayer player(*game);
    ++index;
    for (; index < lines.size(); ++index) {
        const TLine& line = lines[index];
        // The file's last line end leaves one empty piece after it.
        if (line.text.empty() && index + 1 == lines.size()) break;
        if (record.turns.size() >= kMaxRecordTurns)
            return TRefusal(line.number, "has more turns than a record may hold").result;
        if (player.TurnsPlayed() > 0 && player.LastDecision().GameOver())
            return TRefusal(line.number, "follows the end of the game").result;
        // The check first: a changed line is named as such, whatever it says.
        const std::size_t mark = line.text.rfind(" ;");
        const std::string_view text =
            mark == std::string_view::npos ? line.text : line.text.substr(0, mark);
        if (mark == std::string_view::npos ||
            line.text.substr(mark + 2) != RecordCheck(chain, text))
            return TRefusal(line.number, "has been changed or cut short: its check does not match")
                .result;
        chain = RecordCheck(chain, text);
        TRecordTurn wanted, made;
        if (!ParseTurnLine(text, wanted, why)) return TRefusal(line.number, why).result;
        const std::string hintSuffix = std::string(" ") + kHintWord;
        wanted.hinted = text.size() > hintSuffix.size() && text.ends_with(hintSuffix);
        // Only a person is shown hints, and only before a move.
        if (wanted.hinted && (game->board.GetPlayerCode(wanted.army) != Human || !wanted.Moved()))
            return TRefusal(line.number, "notes a hint that no one could have been shown").result;
        if (wanted.number != player.TurnsPlayed() + 1)
            return TRefusal(line.number,
                            "should be turn " + std::to_string(player.TurnsPlayed() + 1))
                .result;
        if (!player.Play(wanted, made, why))
            return TRefusal(line.number, "is refused: " + why).result;
        made.hinted = wanted.hinted;
        if (FormatRecordTurn(made) != text)
            return TRefusal(line.number, "does not agree with the game, whose turn is \"" +
                                             FormatRecordTurn(made) + "\"")
                .result;
        record.turns.push_back(made);
    }

    // The result must be the one the turns reached; a game that goes on may
    // have been resigned.
    const TEndOfGameDecision& last = player.LastDecision();
    const bool over = player.TurnsPlayed() > 0 && last.GameOver();
    TGameRecord expected;
    SetRecordResult(expected, over ? last : TEndOfGameDecision{},
                    !over && record.reason == TRecordReason::Resigned);
    if (expected.result != record.result || expected.reason != record.reason)
        return TRefusal(tagLines.result, "does not agree with the end the turns reach").result;

    // Anything else the writer would have written differently.
    const std::string canonical = FormatRecord(record);
    std::size_t start = 0;
    for (const TLine& line : lines) {
        std::size_t end = canonical.find('\n', start);
        if (end == std::string::npos) end = canonical.size();
        if (std::string_view(canonical).substr(start, end - start) != line.text &&
            !(line.text.empty() && start >= canonical.size()))
            return TRefusal(line.number, "is not written as a game record writes it").result;
        start = end + 1;
    }
    out = std::move(record);
    if (endPosition != nullptr) *endPosition = *game;
    TRecordReadResult result;
    result.ok = true;
    return result;
}

}  // namespace

TRecordReadResult ParseRecord(std::string_view bytes, TGameRecord& record, TRecordPosition* end) {
    try {
        return Parse(bytes, record, end);
    } catch (const std::exception&) {
        // The rules' internal checks guard against an impossible position; a
        // record must never reach one, but if it does it is refused.
        TRecordReadResult result;
        result.message = "The game record leads to a position the rules cannot play.";
        return result;
    }
}

}  // namespace vaeloric
