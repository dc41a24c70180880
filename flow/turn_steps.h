#pragma once

#include <cstdint>

#include "flow/end_of_game.h"
#include "flow/turn_state.h"
#include "game/board.h"
#include "game/square_record.h"

namespace vaeloric {

// The steps of a turn, without a window: the board programs run them from
// the user's presses, vaeloric-sim play runs them in a loop. What is shown
// between them (notices, readings, the end of the game) is the caller's.

// Why the army to move loses its turn after the throw.
enum class TMissGo {
    None,          // it moves
    Checkmated,    // its checkmate flag is set
    DicePrevents,  // no legal move for the face thrown, or no throw
};

// The Miss Go test after the throw in turn.throwValue.
TMissGo MissGoTest(TBoard& board, const TTurnState& turn);

// The computer's move for the army to move on the face thrown: made and
// promoted, its destination in turn.lastMove and the origin in origin, the
// Questioner's King reaching the Ptah square noted. False, with nothing
// changed, when the army has no legal move.
bool ComputerTurn(TBoard& board, TTurnState& turn, SquareRecord& origin);

// The end of every turn, moved or lost: the throw is spent, the next army is
// to move and the end-of-game test runs, its checkmate flags stored.
TEndOfGameDecision FinishTurn(TBoard& board, TTurnState& turn);

}  // namespace vaeloric
