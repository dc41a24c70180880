// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "flow/game_session.h"
#include "flow/saved_game.h"
#include "flow/window_layer.h"
#include "game/square_record.h"

namespace vaeloric {

// The game flow's view of the rules, the computer players, the readings and
// the files: one call per step of a turn, so that the controller reads like
// the turn it runs.

// Whether a throw lets the piece move (no throw pending allows nothing).
bool ThrowAllowsPiece(const TBoard& board, const TPiece& piece, TDieFace face);

// A human drop from `source` onto the square of `move` with the face thrown,
// for the army to move. Refused: not a legal destination (nothing changed).
// KingAttacked: the move would leave the mover's King attacked (taken back).
// Moved: made, with promotion; `move` holds the capture, and `ptahReached`
// is set when the Questioner's King reached the Ptah square.
enum class TDropResult { Refused, KingAttacked, Moved };
TDropResult MakeHumanMove(TBoard& board, TSquare source, SquareRecord& move, TDieFace face,
                          bool& ptahReached);

// The analysis file; false when it could not be written.
bool WriteAnswerFile(const TGameSession& game, bool won);
bool WriteUnfinishedFile(const TGameSession& game);
bool WriteCancelledFile();

// Saved games: written safely; loaded only when the whole file is sound
// (then the whole-game text is composed from the activations read).
TSaveResult WriteGameFile(const std::string& path, const TGameSession& game);
TLoadResult LoadGameFile(const std::string& path, TGameSession& game);

}  // namespace vaeloric
