// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/die_face.h"
#include "game/square_record.h"

namespace vaeloric {

// How much the Ptah square weighs this turn: more when the Questioner's King
// is one or two steps from it, and more as the board empties.
std::int32_t PtahFactor(TBoard& board);

// Chooses and makes the computer's move for the army and die face: every
// legal move is tried and scored, the first of the best scores wins. Fills
// the destination and the origin, makes the move and promotes. Returns false,
// leaving the board as it was, when the army has no legal move.
bool ChooseComputerMove(TBoard& board, TDieFace die, std::int32_t army, SquareRecord& destination,
                        SquareRecord& origin);

// One candidate and its score, for callers that show the reasoning.
struct TScoredMove {
    SquareRecord from;
    SquareRecord to;
    std::int32_t score;
};

// As ChooseComputerMove, also reporting each candidate's score in list order
// (up to capacity entries; count receives the number of candidates).
bool ChooseComputerMoveWithScores(TBoard& board, TDieFace die, std::int32_t army,
                                  SquareRecord& destination, SquareRecord& origin,
                                  TScoredMove* scores, int capacity, int& count);

}  // namespace vaeloric
