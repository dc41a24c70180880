// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/game_record.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "flow/analysis_file.h"
#include "flow/record_play.h"
#include "flow/safe_file.h"
#include "flow/saved_game_format.h"
#include "flow/setup_record.h"

namespace vaeloric {

namespace {

constexpr const char* kNoReason = "-";
constexpr const char* kUnfinishedResult = "*";

const char* PieceLetter(std::int32_t kind) {
    if (IsPawnKind(kind)) return "P";
    switch (kind) {
        case Queen:
            return "Q";
        case Horse:
            return "H";
        case Rook:
            return "R";
        case King:
            return "K";
        case Bishop:
            return "B";
        case CombinedKing:
            return "C";
        default:
            return "?";
    }
}

const char* MissWord(TMissGo why) {
    return why == TMissGo::Checkmated ? "checkmated" : "no-move";
}

// Tag values in double quotes: backslash and quote escaped, and every control
// character written as an escape so that a value never breaks its line.
std::string Quoted(std::string_view value) {
    std::string out = "\"";
    for (char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\' || c == '"') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 0x20 || byte == 0x7f) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", byte);
            out += escape;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Tag(const char* name, std::string_view value) {
    return std::string("[") + name + " " + Quoted(value) + "]\n";
}

std::string SeatValue(std::int32_t code, const std::string& name) {
    const char letter = LetterOfPlayerCode(code);
    std::string value(1, letter != '\0' ? letter : '?');
    if (code == Human && !name.empty()) value += " " + name;
    return value;
}

}  // namespace

const char* ResultTagValue(TRecordResult result) {
    switch (result) {
        case TRecordResult::Win:
            return "win";
        case TRecordResult::Lose:
            return "lose";
        case TRecordResult::Unfinished:
            break;
    }
    return kUnfinishedResult;
}

const char* ReasonTagValue(TRecordReason reason) {
    switch (reason) {
        case TRecordReason::PtahHeld:
            return "Ptah square held";
        case TRecordReason::PtahAttacked:
            return "King attacked on the Ptah square";
        case TRecordReason::DoubleCheckmate:
            return "double checkmate";
        case TRecordReason::Resigned:
            return "resigned";
        case TRecordReason::None:
            break;
    }
    return kNoReason;
}

TRecordReason ReasonOfEnd(TEndOfGame outcome) {
    switch (outcome) {
        case TEndOfGame::PtahWin:
            return TRecordReason::PtahHeld;
        case TEndOfGame::PtahLoss:
            return TRecordReason::PtahAttacked;
        case TEndOfGame::DoubleCheckmateWin:
        case TEndOfGame::DoubleCheckmateLoss:
            return TRecordReason::DoubleCheckmate;
        default:
            return TRecordReason::None;
    }
}

std::string FormatRecordTurn(const TRecordTurn& turn) {
    std::string line = std::to_string(turn.number) + ". ";
    line += turn.army >= 1 && turn.army <= 4 ? saved_game::kColourWords[turn.army] : "?";
    line += ' ';
    line += turn.face >= 1 && turn.face <= 6 ? std::to_string(turn.face) : "-";
    line += ' ';
    if (!turn.Moved()) {
        line += "miss ";
        line += MissWord(turn.miss);
    } else {
        line += PieceLetter(turn.movedKind);
        line += SquareName(turn.from);
        line += turn.capturedKind != 0 ? 'x' : '-';
        line += SquareName(turn.to);
        if (turn.capturedKind != 0) line += std::string("(") + PieceLetter(turn.capturedKind) + ")";
        if (turn.promotedKind != 0) line += std::string("=") + PieceLetter(turn.promotedKind);
        if (turn.split) line += "/split";
    }
    for (int army = 1; army <= 4; ++army) {
        if (turn.checkStatus[army] == 0) continue;
        line += turn.checkStatus[army] == 2 ? " #" : " +";
        line += saved_game::kColourWords[army];
    }
    if (turn.Moved()) line += " {" + turn.omen + "}";
    if (turn.hinted) line += std::string(" ") + kHintWord;
    return line;
}

std::string FormatRecord(const TGameRecord& record) {
    std::string out = Tag("Game", kRecordFormatName);
    out += Tag("Board", std::string(1, record.boardLetter));
    out += Tag("Ptah", SquareName(record.ptah));
    if (record.demonstration)
        out += Tag("Demonstration", "yes");
    else
        out += Tag("Question", record.question);
    static constexpr const char* kSeatTags[5] = {"", "Seat1", "Seat2", "Seat3", "Seat4"};
    for (int seat = 1; seat <= 4; ++seat)
        out += Tag(kSeatTags[seat], SeatValue(record.seatCode[seat], record.seatName[seat]));
    if (!record.start.empty()) out += Tag("Start", record.start);
    out += Tag("Result", ResultTagValue(record.result));
    out += Tag("Reason", ReasonTagValue(record.reason));
    std::string check = RecordCheck("", out);
    out += Tag("Check", check);
    out += '\n';
    for (const TRecordTurn& turn : record.turns) {
        const std::string line = FormatRecordTurn(turn);
        check = RecordCheck(check, line);
        out += line + " ;" + check + '\n';
    }
    return out;
}

std::string RecordCheck(std::string_view previous, std::string_view text) {
    std::uint32_t hash = 2166136261u;
    auto add = [&hash](std::string_view bytes) {
        for (char c : bytes) {
            hash ^= static_cast<unsigned char>(c);
            hash *= 16777619u;
        }
    };
    add(previous);
    add(text);
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", static_cast<unsigned>(hash));
    return hex;
}

bool WriteRecordFile(const std::string& path, const TGameRecord& record) {
    return !path.empty() && SafeWriteFile(path, FormatRecord(record), true);
}

namespace {

std::string WithRecordExtension(const std::string& path) {
    if (path.empty()) return path;
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    const bool hasExtension =
        dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? path.substr(0, dot) : path) + "." + kRecordExtension;
}

}  // namespace

std::string RecordFilePath() {
    if (const char* chosen = std::getenv("VAELORIC_RECORD_FILE"); chosen != nullptr && *chosen)
        return chosen;
    return WithRecordExtension(AnalysisFilePath());
}

std::string RecordBesideSavedGame(const std::string& savedGamePath) {
    return WithRecordExtension(savedGamePath);
}

TRecordReadResult ReadRecordFile(const std::string& path, TGameRecord& record,
                                 TRecordPosition* end) {
    std::string bytes;
    TRecordReadResult result;
    // One byte over the limit tells a file that is too large.
    switch (ReadFileSafely(path, kMaxRecordBytes + 1, bytes)) {
        case TFileOutcome::Done:
            break;
        case TFileOutcome::NotRegular:
            result.message = "'" + path + "' is not a regular file, so it is not a game record.";
            return result;
        case TFileOutcome::Failed:
            result.message = "The game record '" + path + "' could not be opened.";
            return result;
    }
    try {
        return ParseRecord(bytes, record, end);
    } catch (const std::exception&) {
        // Out of memory and the like; the reader itself throws nothing.
        result.message = "The game record '" + path + "' could not be read.";
        return result;
    }
}

}  // namespace vaeloric
