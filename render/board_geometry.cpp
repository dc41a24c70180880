// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/board_geometry.h"

#include <algorithm>

namespace vaeloric {

TBoardOrigin PlaceBoard(int clientWidth, TBoardStyle style) {
    // Integer division truncates toward zero, also for a tiny window.
    const int centred = (clientWidth - kBoardSize) / 2;
    return TBoardOrigin{centred - (style == TBoardStyle::Simple ? 35 : 40), kBoardTop};
}

TSquare SquareAtPoint(TBoardOrigin origin, int x, int y) {
    const int row = std::clamp((y - origin.y) / kSquareSize, 0, 7);
    const int column = std::clamp((x - origin.x) / kSquareSize, 0, 7);
    return SquareOfCell(origin.quarterTurns, TScreenCell{row, column});
}

}  // namespace vaeloric
