// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "flow/end_of_game.h"
#include "flow/turn_cycle.h"
#include "game/die_face.h"
#include "game/square.h"

namespace vaeloric {

// Game records (.vrec): the course of a game as plain text, tag pairs and
// then one numbered line per turn, written as the game goes. docs/record.md
// describes the format with its grammar.

inline constexpr const char* kRecordExtension = "vrec";
inline constexpr const char* kRecordMimeType = "application/x-vaeloric-record";
inline constexpr const char* kRecordFormatName = "Vaeloric Chess record 1";
// The last word of the line of a turn whose army was shown a hint first.
inline constexpr const char* kHintWord = "hint";

// Far above any real game (a few hundred turns of under 200 bytes); larger
// files are refused unread.
inline constexpr std::size_t kMaxRecordBytes = 4 << 20;
inline constexpr std::size_t kMaxRecordTurns = 20000;

// How a finished game ended, as the record names it.
enum class TRecordResult { Unfinished, Win, Lose };
enum class TRecordReason { None, PtahHeld, PtahAttacked, DoubleCheckmate, Resigned };

// One turn: the throw and what came of it.
struct TRecordTurn {
    long number = 0;
    std::int32_t army = 0;
    TDieFace face = 0;  // 0: no throw
    TMissGo miss = TMissGo::None;
    // The move, when there was one.
    TSquare from{0, 0}, to{0, 0};
    std::int32_t movedKind = 0;     // the kind that moved (a pawn kind for a promotion)
    std::int32_t capturedKind = 0;  // 0: no capture
    std::int32_t promotedKind = 0;  // 0: no promotion
    bool split = false;             // a combined King moved one of its two pieces
    // Armies in check and checkmated after the turn, 1..4.
    std::array<std::int32_t, 5> checkStatus{0, 0, 0, 0, 0};
    std::string omen;     // the key words of the move's reading, ", " between them
    bool hinted = false;  // a person's army was shown the Seer's hint before moving

    bool Moved() const { return miss == TMissGo::None; }
    friend bool operator==(const TRecordTurn& a, const TRecordTurn& b) {
        return a.number == b.number && a.army == b.army && a.face == b.face && a.miss == b.miss &&
               SquaresEqual(a.from, b.from) && SquaresEqual(a.to, b.to) &&
               a.movedKind == b.movedKind && a.capturedKind == b.capturedKind &&
               a.promotedKind == b.promotedKind && a.split == b.split &&
               a.checkStatus == b.checkStatus && a.omen == b.omen && a.hinted == b.hinted;
    }
};

// Everything needed to replay the game, then its turns.
struct TGameRecord {
    char boardLetter = 'W';
    TSquare ptah{2, 1};
    std::string question;
    bool demonstration = false;  // a board program started on its own: no question at all
    // Player codes of seats 1..4 (1 a person, 2..8 a computer) and their names.
    std::array<std::int32_t, 5> seatCode{0, 1, 0, 0, 0};
    std::array<std::string, 5> seatName;
    // A saved game's text when the game did not start from the set-up.
    std::string start;
    TRecordResult result = TRecordResult::Unfinished;
    TRecordReason reason = TRecordReason::None;
    std::vector<TRecordTurn> turns;
};

// Where the board programs keep the record of the game in progress: the
// VAELORIC_RECORD_FILE variable when set (the launcher chooses it), else
// beside the analysis file with the extension .vrec. Empty when there is
// nowhere safe.
std::string RecordFilePath();
// The record kept beside a saved game: its name with the extension .vrec.
std::string RecordBesideSavedGame(const std::string& savedGamePath);

// ---- Writing ----

// The whole record as text, LF line ends.
std::string FormatRecord(const TGameRecord& record);
// One turn's line, without its line end.
std::string FormatRecordTurn(const TRecordTurn& turn);
// The check that ends the tags and every turn line: a 32-bit FNV-1a hash,
// in hexadecimal, of the previous check (none for the tags) and the text it
// follows. A changed or damaged line no longer matches its check.
std::string RecordCheck(std::string_view previous, std::string_view text);
// Written safely: a failure leaves any old file as it was.
bool WriteRecordFile(const std::string& path, const TGameRecord& record);

// ---- Reading ----

struct TRecordReadResult {
    bool ok = false;
    long line = 0;        // the line at fault, 0 for the file as a whole
    std::string message;  // one sentence naming the line
};

// Parses the text and replays every turn against the rules: each throw, each
// move and Miss Go, each computer's choice, and the result. Only a whole,
// consistent game is accepted. Never throws for any input.
// The position after the last turn goes to `end` when one is given.
struct TRecordPosition;
TRecordReadResult ParseRecord(std::string_view bytes, TGameRecord& record,
                              TRecordPosition* end = nullptr);
// Reads the file (a regular file, within the size limit) and parses it.
TRecordReadResult ReadRecordFile(const std::string& path, TGameRecord& record,
                                 TRecordPosition* end = nullptr);

// Words used by both sides of the format.
const char* ResultTagValue(TRecordResult result);
const char* ReasonTagValue(TRecordReason reason);
// The reason of a decided end of game; None when play goes on.
TRecordReason ReasonOfEnd(TEndOfGame outcome);

}  // namespace vaeloric
