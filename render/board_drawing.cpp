// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/board_drawing.h"

#include "game/internal_error.h"
#include "render/fonts.h"
#include "render/picture_ids.h"
#include "render/text_drawing.h"

namespace vaeloric {

void DrawCoordinateLabels(QPainter& painter, TBoardOrigin origin) {
    painter.save();
    painter.setFont(SansFont(18));
    painter.setPen(Qt::black);
    for (int j = 0; j < 8; ++j)
        DrawCentredText(painter, origin.x + 25 + 50 * j, origin.y - 19, QString(QChar('A' + j)));
    // The digits name the ranks of the rows beside them, rank 8 at the top,
    // as the squares are named everywhere else in the game.
    for (int i = 0; i < 8; ++i)
        DrawCentredText(painter, origin.x - 7, origin.y + 25 + 50 * i, QString(QChar('8' - i)));
    painter.restore();
}

void DrawBoard(QPainter& painter, const TPictureCatalogue& pictures, TBoardOrigin origin,
               TBoardStyle style) {
    if (style == TBoardStyle::Coloured) {
        painter.drawPixmap(origin.x, origin.y,
                           pictures.Picture(BoardPictureId(pictures.BoardLetter())));
        return;
    }
    painter.save();
    painter.setPen(QPen(Qt::black, 1));  // one scene pixel, at any zoom
    painter.setBrush(Qt::NoBrush);
    for (int r = 1; r <= 8; ++r)
        for (int c = 1; c <= 8; ++c)
            painter.drawRect(origin.x + 50 * (c - 1), origin.y + 50 * (r - 1), kSquareSize - 1,
                             kSquareSize - 1);
    painter.restore();
}

void DrawPieceAt(QPainter& painter, const TPictureCatalogue& pictures, const TPiece& piece,
                 std::int32_t companionKind, TPieceStyle style, QPointF corner) {
    const int id =
        PiecePictureId(piece.kind, piece.army, style, pictures.BoardLetter(), companionKind);
    painter.drawPixmap(corner, pictures.Picture(id));
    if (piece.kind == CombinedKing) {
        const TOffset offset = KingBadgeOffset(piece.army);
        painter.drawPixmap(corner + QPointF(offset.dx, offset.dy),
                           pictures.Picture(KingBadgeId(piece.army)));
    }
}

void DrawPieces(QPainter& painter, const TPictureCatalogue& pictures, const TBoard& board,
                TSquare ptah, TBoardOrigin origin, TPieceStyle style) {
    for (int i = 0; i < 8; ++i) {
        for (int j = 0; j < 8; ++j) {
            const TPixel corner = SquareCorner(origin, i, j);
            const TPiece& piece = board.At(8 - i, j + 1);
            if (piece.kind != Empty)
                DrawPieceAt(painter, pictures, piece, board.CompanionKind(), style,
                            QPointF(corner.x, corner.y));
            // The marker shows on the Ptah square whether or not a piece
            // stands on it.
            if (SquaresEqual(ptah, TSquare{8 - i, j + 1}))
                painter.drawPixmap(corner.x + kPtahMarkerOffset, corner.y + kPtahMarkerOffset,
                                   pictures.Picture(kPtahMarkerId));
        }
    }
}

void DrawBoardArea(QPainter& painter, const TPictureCatalogue& pictures, const TBoard& board,
                   TSquare ptah, TBoardOrigin origin, const TDisplayOptions& options) {
    if (options.boardStyle == TBoardStyle::Simple) DrawCoordinateLabels(painter, origin);
    DrawBoard(painter, pictures, origin, options.boardStyle);
    DrawPieces(painter, pictures, board, ptah, origin, options.pieceStyle);
}

}  // namespace vaeloric
