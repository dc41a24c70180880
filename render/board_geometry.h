// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/square.h"
#include "render/display_options.h"

namespace vaeloric {

inline constexpr int kSquareSize = 50;
inline constexpr int kBoardSize = 8 * kSquareSize;
inline constexpr int kBoardTop = 20;

// Window-client position of the board's top-left corner.
// The board may be drawn turned by quarter turns clockwise (0..3); only
// where squares are drawn changes, never their names.
struct TBoardOrigin {
    int x = 0;
    int y = kBoardTop;
    int quarterTurns = 0;
    friend bool operator==(const TBoardOrigin&, const TBoardOrigin&) = default;
};

// The origin for a client width: centred, then pulled left to leave room for
// the panels (35 px with the simple style's coordinates, 40 px otherwise).
TBoardOrigin PlaceBoard(int clientWidth, TBoardStyle style);

// True when a scene point is on the board picture, its far edges included.
constexpr bool OverBoard(TBoardOrigin origin, int x, int y) {
    return x >= origin.x && x <= origin.x + kBoardSize && y >= origin.y &&
           y <= origin.y + kBoardSize;
}
// The square under a point over the board; the far edges belong to the
// last rank and file.
TSquare SquareAtPoint(TBoardOrigin origin, int x, int y);

// Top-left corner of the square drawn at screen row i and column j (0 = top/left).
struct TPixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPixel&, const TPixel&) = default;
};
constexpr TPixel SquareCorner(TBoardOrigin origin, int row, int column) {
    return TPixel{origin.x + kSquareSize * column, origin.y + kSquareSize * row};
}
// Screen row and column (0 = top/left) of rank 1..8 and file 1..8 on the
// board turned by the origin's quarter turns, and back.
struct TScreenCell {
    int row = 0;
    int column = 0;
};
constexpr TScreenCell ScreenCellOf(int quarterTurns, int rank, int file) {
    TScreenCell cell{8 - rank, file - 1};
    for (int turn = 0; turn < (quarterTurns % 4 + 4) % 4; ++turn)
        cell = TScreenCell{cell.column, 7 - cell.row};
    return cell;
}
constexpr TSquare SquareOfCell(int quarterTurns, TScreenCell cell) {
    for (int turn = 0; turn < (quarterTurns % 4 + 4) % 4; ++turn)
        cell = TScreenCell{7 - cell.column, cell.row};
    return TSquare{8 - cell.row, cell.column + 1};
}
// The top-left corner of the square of rank 1..8 and file 1..8.
constexpr TPixel SquareCornerOf(TBoardOrigin origin, int rank, int file) {
    const TScreenCell cell = ScreenCellOf(origin.quarterTurns, rank, file);
    return SquareCorner(origin, cell.row, cell.column);
}

// The picture buttons of the turn panel, edges included. MOVE takes the
// place of THROW and ENTER once the die is cast.
struct THotRect {
    int left, top, right, bottom;
    constexpr bool Contains(int x, int y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
};
inline constexpr THotRect kThrowButtonRect{7, 101, 67, 131};
inline constexpr THotRect kEnterButtonRect{7, 132, 67, 162};
inline constexpr THotRect kMoveButtonRect{7, 111, 67, 161};

}  // namespace vaeloric
