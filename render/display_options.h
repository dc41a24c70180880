// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

namespace vaeloric {

enum class TBoardStyle { Coloured, Simple };
enum class TPieceStyle { Gods, Symbolic };
enum class TSquareStyle { English, Vaeloric };

// How the board and the panels are drawn; chosen in the option dialogs and
// held by the main window.
struct TDisplayOptions {
    TBoardStyle boardStyle = TBoardStyle::Coloured;
    TPieceStyle pieceStyle = TPieceStyle::Gods;
    TSquareStyle squareStyle = TSquareStyle::Vaeloric;
    QColor backgroundColour{0, 255, 0};  // light green
    // File letters and rank digits along the coloured board's edges.
    bool edgeCoordinates = false;
};

}  // namespace vaeloric
