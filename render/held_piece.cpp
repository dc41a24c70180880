// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/held_piece.h"

#include "render/board_drawing.h"

namespace vaeloric {

namespace {
// Dark marks with a light rim read on the light and the dark squares alike.
const QColor kMarkInk(20, 20, 20, 150);
const QColor kMarkRim(255, 255, 255, 170);
constexpr double kLift = 5.0;
}  // namespace

void DrawDestinationMarks(QPainter& painter, const TPieceDestinations& destinations,
                          TBoardOrigin origin) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const SquareRecord& to : destinations) {
        const TPixel corner = SquareCornerOf(origin, to.rank, to.file);
        const QPointF centre(corner.x + kSquareSize / 2.0, corner.y + kSquareSize / 2.0);
        if (to.capture) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(kMarkRim, 7));
            painter.drawEllipse(centre, 21.0, 21.0);
            painter.setPen(QPen(kMarkInk, 4));
            painter.drawEllipse(centre, 21.0, 21.0);
        } else {
            painter.setPen(QPen(kMarkRim, 1.5));
            painter.setBrush(kMarkInk);
            painter.drawEllipse(centre, 7.0, 7.0);
        }
    }
    painter.restore();
}

void DrawHeldPiece(QPainter& painter, const TPictureCatalogue& pictures, const TBoard& board,
                   TSquare from, const TPieceDestinations& destinations, TBoardOrigin origin,
                   TPieceStyle style) {
    if (!OnBoard(from.rank, from.file)) return;
    const TPiece& piece = board.GetPiece(from.rank, from.file);
    if (piece.kind == Empty) return;
    const TPixel corner = SquareCornerOf(origin, from.rank, from.file);
    const QRectF square(corner.x, corner.y, kSquareSize, kSquareSize);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    // The piece as it stands fades under a pale square...
    painter.fillRect(square, QColor(255, 255, 255, 150));
    painter.setPen(QPen(QColor(20, 20, 20, 200), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(square.adjusted(1, 1, -1, -1));
    // ...and shows again raised above its shadow.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawEllipse(QPointF(square.center().x(), square.bottom() - 7), 16.0, 4.5);
    painter.restore();
    DrawPieceAt(painter, pictures, piece, board.CompanionKind(), style,
                QPointF(corner.x, corner.y - kLift));
    DrawDestinationMarks(painter, destinations, origin);
}

}  // namespace vaeloric
