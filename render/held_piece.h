// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>

#include "game/board.h"
#include "game/piece_moves.h"
#include "render/board_geometry.h"
#include "render/display_options.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

// A picked-up piece: its square shows it lifted (a pale square and the
// piece raised over its shadow), and every square it may go to is marked,
// a dot on an empty square and a ring round a piece it would capture.
void DrawHeldPiece(QPainter& painter, const TPictureCatalogue& pictures, const TBoard& board,
                   TSquare from, const TPieceDestinations& destinations, TBoardOrigin origin,
                   TPieceStyle style);

// Only the marks of the destinations.
void DrawDestinationMarks(QPainter& painter, const TPieceDestinations& destinations,
                          TBoardOrigin origin);

}  // namespace vaeloric
