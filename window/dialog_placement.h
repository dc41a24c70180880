// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace vaeloric {

// Where a dialog frame of `frame` size goes on the screen `area`: beside
// the `board` where there is room (the side with more room first), else
// over an edge of it, but never over a square in `keepClear` (the last
// move, a King in check) when any place on the screen keeps them all clear;
// of the places that do, the one covering the least of the board.
QPoint PlaceDialogClear(const QRect& area, const QRect& board, QSize frame,
                        const std::vector<QRect>& keepClear);

}  // namespace vaeloric
