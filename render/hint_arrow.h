// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QString>

#include "game/square.h"
#include "render/board_geometry.h"

namespace vaeloric {

// The expected score of a hinted move as the label shows it: "+1.3",
// "−0.4" (a true minus sign), "0.0".
QString HintScoreText(double value);

// The hint over the board: an arrow from the piece's square to where the
// hint would move it, and a label with the expected score by the arrow's
// head, kept inside the board.
void DrawHintArrow(QPainter& painter, TBoardOrigin origin, TSquare from, TSquare to,
                   const QString& label);

// A strip across the top of the board while the hint is worked out.
void DrawHintStrip(QPainter& painter, TBoardOrigin origin, const QString& text);

}  // namespace vaeloric
