// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>

#include "flow/turn_state.h"
#include "game/board.h"
#include "render/board_geometry.h"

namespace vaeloric {

// Marks of our own over the drawn board, in either board style: a quiet
// frame in the mover's colour on both squares of the last move, and a ring
// round every King that stands attacked.

// The colour that marks an army's move (its turn panel colour).
QColor MoverColour(std::int32_t army);

void DrawLastMoveFrames(QPainter& painter, const TTurnState& turn, TBoardOrigin origin);

// Whether the army's King (or King joined with its companion) is attacked.
bool ArmyInCheck(const TBoard& board, std::int32_t army);

void DrawCheckMarks(QPainter& painter, const TBoard& board, TBoardOrigin origin);

}  // namespace vaeloric
