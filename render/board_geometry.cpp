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
    const int rank = 8 - (y - origin.y) / kSquareSize;
    const int file = (x - origin.x) / kSquareSize + 1;
    return TSquare{std::clamp(rank, 1, 8), std::clamp(file, 1, 8)};
}

}  // namespace vaeloric
