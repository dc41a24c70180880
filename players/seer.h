// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Seer: the computer opponent that looks ahead. The game is two sides
// taking turns (armies 1 and 3 against 2 and 4) with a die before every move,
// so it searches expectimax: a chance node averages the six faces of the
// coming throw, a decision node takes the mover's best move. Chance nodes are
// pruned with the bounds of the evaluation (Star1), decision nodes with
// alpha-beta; a transposition table and move ordering make the pruning
// bite, and iterative deepening stops at a node or time limit.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "game/board.h"
#include "game/die_face.h"
#include "game/square_record.h"
#include "players/opponent_profiles.h"

namespace vaeloric {

// The Seer's player code and seat letter, outside the range of the seven
// rule-following opponents.
inline constexpr std::int32_t kSeerCode = 9;
inline constexpr char kSeerLetter = 's';
inline constexpr const char* kSeerName = "The Seer";

// A code some computer player answers to: one of the seven rule opponents,
// or the Seer.
constexpr bool IsAnyComputerCode(std::int32_t playerCode) {
    return IsComputerCode(playerCode) || playerCode == kSeerCode;
}

// What the search may spend. A node limit gives the same move on any machine
// and any thread count; a time limit suits a player who must not wait.
struct TSeerLimits {
    long nodes = 0;         // 0: no node limit
    long milliseconds = 0;  // 0: no time limit
    int maxDepth = 12;      // moves ahead (each with its throw)
    // Set from another thread to stop at once; the last finished depth counts.
    const std::atomic<bool>* cancel = nullptr;
};

// The Seer's strengths, as node budgets.
struct TSeerLevel {
    const char* name;  // "novice", "adept", "master"
    long nodes;
    long milliseconds;  // the board programs' time limit for the level
};
inline constexpr int kSeerLevelCount = 3;
inline constexpr int kDefaultSeerLevel = 1;
const TSeerLevel& SeerLevel(int level);
// The node limit of a level, for vaeloric-sim.
TSeerLimits SeerNodeLimits(int level);
// The time limit of a level, for the board programs.
TSeerLimits SeerTimeLimits(int level);

// The state of the game that is not on the board but decides what follows.
struct TSeerGame {
    std::int32_t checkmated[5] = {0, 0, 0, 0, 0};  // armies 1..4
    bool ptahReached = false;
};

// The same taken from the game's own record of it (the turn state or a
// saved game: anything with checkmated[1..4] and ptahReached).
template <typename TState>
TSeerGame SeerGameOf(const TState& state) {
    TSeerGame game;
    for (std::size_t a = 1; a <= 4; ++a) game.checkmated[a] = state.checkmated[a];
    game.ptahReached = state.ptahReached;
    return game;
}

struct TSeerAnswer {
    bool found = false;  // false: the army has no legal move for the face
    SquareRecord from;
    SquareRecord to;
    double value = 0;  // the expected score of the move for the mover's side
    int depth = 0;     // moves ahead of the last finished search
    long nodes = 0;    // positions visited in all
};

// Scores: a won game is worth kSeerWin to the winning side; the evaluation
// of an unfinished position stays strictly inside kSeerEvalBound.
inline constexpr double kSeerWin = 100.0;
inline constexpr double kSeerEvalBound = 60.0;

// The Seer's own evaluation of the position for the side of the army, in
// pawns: material, the Questioner's way to the Ptah square, the Kings'
// safety and checkmates, and the faces each army can use.
double SeerEvaluate(TBoard& board, std::int32_t army);
// The same with other weights, for fitting them to played games.
struct TSeerWeights;
double SeerEvaluateWith(const TSeerWeights& weights, TBoard& board, std::int32_t army);

class TSeerSearch {
  public:
    TSeerSearch();
    ~TSeerSearch();
    TSeerSearch(const TSeerSearch&) = delete;
    TSeerSearch& operator=(const TSeerSearch&) = delete;

    // The best move of the army for the thrown face; the board is as it was
    // on return. Allocates nothing.
    TSeerAnswer Search(TBoard& board, std::int32_t army, TDieFace face, const TSeerGame& game,
                       const TSeerLimits& limits);

    // A search to exactly this depth, with no limit (for tests and the
    // benchmark).
    TSeerAnswer SearchDepth(TBoard& board, std::int32_t army, TDieFace face, const TSeerGame& game,
                            int depth);

  private:
    struct TImpl;
    std::unique_ptr<TImpl> impl_;
};

// The Seer's move, made on the board (with the promotion step), as
// ChooseComputerMove makes the rule opponents' moves. One search per thread
// is kept for reuse. False, leaving the board as it was, when the army has no
// legal move.
bool ChooseSeerMove(TBoard& board, TDieFace die, std::int32_t army, const TSeerGame& game,
                    const TSeerLimits& limits, SquareRecord& destination, SquareRecord& origin);

}  // namespace vaeloric
