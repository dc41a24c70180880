// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "flow/setup_record.h"
#include "flow/turn_state.h"
#include "game/board.h"
#include "reading/reading_record.h"

namespace vaeloric {

// Saved games (.vae): a line-oriented text file of 185 lines with CR LF line
// ends. Reading accepts LF alone too. A file is untrusted: it is parsed into a
// TSavedGame and only a complete, valid game reaches the live records.
//
// The seat lines after [USER2], [USER3] and [USER4] hold "h" and a name for
// a human, or one letter for a computer opponent: f o r c i a q for the seven
// rule opponents (codes 2..8) and, as an extension of the format, s for the
// Seer (code 9). A file without an s reads exactly as before; a program that
// predates the extension refuses a file with one ("seat N has no valid
// player"), rather than seating someone else.

// Pass as the board letter to accept a file of any board (the headless tool).
inline constexpr char kAnyBoard = '\0';

// No real saved game comes near this; larger files are refused unread.
inline constexpr std::size_t kMaxSavedGameBytes = 1 << 20;

// Activations outside what the network can hold, beyond this slack for
// rounding, make a file damaged. Values inside the slack are clamped.
inline constexpr float kMinStoredActivation = -0.2f;
inline constexpr float kMaxStoredActivation = 1.0f;
inline constexpr float kActivationSlack = 1e-3f;

// Piece values a game can reach stay far inside this; larger ones would
// overflow the computer players' 32-bit sums.
inline constexpr std::int32_t kMaxPieceValue = 10000;

// ---- Writing ----

// An activation as the file writes it: the stream's default float format
// (6 significant digits, exponent form only for very large or small
// values), whatever the locale.
std::string ActivationText(float value);

// The whole file for the game, CR LF line ends. boardLetter is the letter of
// the program that writes it (W, A, E or F).
std::string FormatSavedGame(char boardLetter, const TBoard& board, const TSetUpRecord& setUp,
                            const TTurnState& turn, const TReadingRecord& reading);

struct TSaveResult {
    bool saved = false;
    // kCannotSaveText on failure, shown titled with the caption; the sentence
    // of WriteProblemSentence for a read-only file or an unsafe link.
    std::string message;
};

// Writes the file safely (temporary file, then rename): a failure leaves any
// old file as it was.
TSaveResult WriteSavedGame(const std::string& path, char boardLetter, const TBoard& board,
                           const TSetUpRecord& setUp, const TTurnState& turn,
                           const TReadingRecord& reading);

// ---- Reading ----

enum class TLoadOutcome {
    Loaded,
    CannotOpen,     // "File could not be opened", titled with the caption
    WrongFileType,  // first line wrong; "Incorrect File"
    WrongBoard,     // another board program's game; "Incorrect File"
    Damaged,        // refused with a reason; "Incorrect File"
};

struct TLoadResult {
    TLoadOutcome outcome = TLoadOutcome::Loaded;
    std::string message;  // box text; empty when loaded
    std::string title;    // box title; for CannotOpen the caption passed in
    // The file held whole-game activations; they were restored and the
    // whole-game text composed from them.
    bool activationsRestored = false;

    bool Loaded() const { return outcome == TLoadOutcome::Loaded; }
};

// A saved game parsed and checked, not yet in the live records. The board
// is set up from the status line, filled from the file and has its seats assigned.
struct TSavedGame {
    TSetUpRecord setUp;
    TBoard board;
    std::array<std::int32_t, 5> checkmated{0, 0, 0, 0, 0};
    bool ptahReached = false;
    std::array<float, kUnitCount> gameActivation;
    bool hasActivations = false;

    TSavedGame() { gameActivation.fill(kRestingActivation); }
};

// Parses the bytes of a file. boardLetter is the program's own letter, or
// kAnyBoard to take the board from the status line. `game` is meaningful only
// when the outcome is Loaded. Never throws for any input.
TLoadResult ParseSavedGame(std::string_view bytes, char boardLetter, TSavedGame& game);

// Puts a parsed game into the live records: set-up record, board, turn state
// (cleared, then the checkmate and Ptah flags) and, when the file held them,
// the whole-game activations with the game text composed from them.
void CommitSavedGame(const TSavedGame& game, TBoard& board, TSetUpRecord& setUp, TTurnState& turn,
                     TReadingRecord& reading);

// Reads, parses and, only when the whole file is valid, commits. On any
// other outcome nothing is changed. The "could not be opened" box is titled
// with setUp's caption. Window state (title, modified, music, selection)
// is the caller's to reset.
TLoadResult LoadSavedGame(const std::string& path, char boardLetter, TBoard& board,
                          TSetUpRecord& setUp, TTurnState& turn, TReadingRecord& reading);

// The "That game used the ..." message for a file of fileLetter's board
// opened by the program of programLetter.
std::string WrongBoardMessage(char fileLetter, char programLetter);

}  // namespace vaeloric
