// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>

#include "game/board.h"
#include "render/board_geometry.h"
#include "render/display_options.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

// Letters A..H above and digits 1..8 left of the board (simple style), as
// the board is turned.
void DrawCoordinateLabels(QPainter& painter, TBoardOrigin origin);

// Small letters above and digits left of the coloured board, in a colour
// that reads on the background.
void DrawEdgeCoordinates(QPainter& painter, TBoardOrigin origin, QColor background);

// The board picture (coloured) or 64 outlined squares (simple).
void DrawBoard(QPainter& painter, const TPictureCatalogue& pictures, TBoardOrigin origin,
               TBoardStyle style);

// One piece picture (with the King badge on a CombinedKing) with its
// top-left corner at `corner`.
void DrawPieceAt(QPainter& painter, const TPictureCatalogue& pictures, const TPiece& piece,
                 std::int32_t companionKind, TPieceStyle style, QPointF corner);

// Every piece (with the King badge on a CombinedKing) and the Ptah marker on
// the Ptah square.
// Throws TInternalError for a piece with an impossible army.
void DrawPieces(QPainter& painter, const TPictureCatalogue& pictures, const TBoard& board,
                TSquare ptah, TBoardOrigin origin, TPieceStyle style);

// All of the above in paint order: labels (simple only), board, pieces.
void DrawBoardArea(QPainter& painter, const TPictureCatalogue& pictures, const TBoard& board,
                   TSquare ptah, TBoardOrigin origin, const TDisplayOptions& options);

}  // namespace vaeloric
