// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <random>
#include <string>

#include "flow/game_record.h"
#include "flow/setup_record.h"
#include "flow/turn_state.h"
#include "game/board.h"
#include "players/seer.h"
#include "reading/reading_record.h"

namespace vaeloric::sim {

// One all-computer game as the board programs would play it.
struct TGameOptions {
    char boardLetter = 'W';
    TSquare ptah{2, 1};                     // A2
    char seatLetters[3] = {'f', 'q', 'o'};  // seats 2, 3 and 4
    std::int32_t questionerCode = 5;
    std::uint32_t seed = 1;  // already reduced as std::minstd_rand reduces it
    long turnLimit = 2000;
    long seerNodes = SeerLevel(kDefaultSeerLevel).nodes;  // the Seer's budget per move
};

enum class TGameResult { Win, Lose, Unfinished };

// The records of the game, as the board programs keep them.
struct TGame {
    TBoard board;
    TSetUpRecord setUp;
    TTurnState turn;
    TReadingRecord reading;
    TGameResult result = TGameResult::Unfinished;
    long turns = 0;
    long computerMoves = 0;
    long seerNodes = SeerLevel(kDefaultSeerLevel).nodes;  // the Seer's budget per move
};

// The set-up record of an all-computer game: no Questioner's name and the
// caption prefix with no question after it.
TSetUpRecord GameSetUp(const TGameOptions& options);

// Sets the game up as PlayGame does before its first turn.
void SetUpGame(const TGameOptions& options, TGame& game);

class TRemoteSeats;

// Plays the game and hands each output line (without its line end) to the
// sink: one per turn, then the result line. With a record, the game's record
// is kept there too. The armies that `remote` plays throw and move through it.
void PlayGame(const TGameOptions& options, TGame& game,
              const std::function<void(const std::string&)>& sink, TGameRecord* record = nullptr,
              TRemoteSeats* remote = nullptr);

// Plays turns firstTurn..turnLimit of a game already set up, throwing with
// `dice`, until the game ends; the record, if any, gets each turn and the
// result. Returns nothing; the game's result is set when it ends.
void PlayTurns(TGame& game, std::minstd_rand& dice, long firstTurn, long turnLimit,
               const std::function<void(const std::string&)>& sink, TGameRecord* record,
               TRemoteSeats* remote = nullptr);

// "win", "lose" or "unfinished".
const char* ResultWord(TGameResult result);

}  // namespace vaeloric::sim

namespace vaeloric::sim {

// The figures of the benchmark games (see the bench sub-command).
struct TBenchFigures {
    long turns = 0;
    std::uint64_t hash = 0;  // FNV-1a over every line play would print
    long computerMoves = 0;
    double seconds = 0;
};
TBenchFigures Bench(long games, long turnLimit);

}  // namespace vaeloric::sim
