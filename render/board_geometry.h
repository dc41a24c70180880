#pragma once

#include "render/display_options.h"

namespace vaeloric {

inline constexpr int kSquareSize = 50;
inline constexpr int kBoardSize = 8 * kSquareSize;
inline constexpr int kBoardTop = 20;

// Window-client position of the board's top-left corner.
struct TBoardOrigin {
    int x = 0;
    int y = kBoardTop;
    friend bool operator==(const TBoardOrigin&, const TBoardOrigin&) = default;
};

// The origin for a client width: centred, then pulled left to leave room for
// the panels (35 px with the simple style's coordinates, 40 px otherwise).
TBoardOrigin PlaceBoard(int clientWidth, TBoardStyle style);

// The origin after the board style changed from `from` to `to` without a
// resize: +5 px into Simple, -5 px back to Coloured, unchanged otherwise.
TBoardOrigin ShiftForStyleChange(TBoardOrigin origin, TBoardStyle from, TBoardStyle to);

// Top-left corner of the square drawn at screen row i and column j (0 = top/left).
struct TPixel {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPixel&, const TPixel&) = default;
};
constexpr TPixel SquareCorner(TBoardOrigin origin, int row, int column) {
    return TPixel{origin.x + kSquareSize * column, origin.y + kSquareSize * row};
}
// The same for rank 1..8 and file 1..8.
constexpr TPixel SquareCornerOf(TBoardOrigin origin, int rank, int file) {
    return SquareCorner(origin, 8 - rank, file - 1);
}

}  // namespace vaeloric
