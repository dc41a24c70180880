// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/board_drawing.h"

#include "game/internal_error.h"
#include "render/fonts.h"
#include "render/picture_ids.h"
#include "render/text_drawing.h"

namespace vaeloric {

namespace {

// The name of what runs along a screen column (a file letter, or a rank
// digit on a board turned a quarter) and along a screen row.
QString ColumnLabel(TBoardOrigin origin, int column) {
    const TSquare top = SquareOfCell(origin.quarterTurns, TScreenCell{0, column});
    const TSquare bottom = SquareOfCell(origin.quarterTurns, TScreenCell{7, column});
    return top.file == bottom.file ? QString(QChar('A' + top.file - 1))
                                   : QString(QChar('0' + top.rank));
}
QString RowLabel(TBoardOrigin origin, int row) {
    const TSquare left = SquareOfCell(origin.quarterTurns, TScreenCell{row, 0});
    const TSquare right = SquareOfCell(origin.quarterTurns, TScreenCell{row, 7});
    return left.rank == right.rank ? QString(QChar('0' + left.rank))
                                   : QString(QChar('A' + left.file - 1));
}

}  // namespace

void DrawCoordinateLabels(QPainter& painter, TBoardOrigin origin) {
    painter.save();
    painter.setFont(SansFont(18));
    painter.setPen(Qt::black);
    for (int j = 0; j < 8; ++j)
        DrawCentredText(painter, origin.x + 25 + 50 * j, origin.y - 19, ColumnLabel(origin, j));
    // The digits name the ranks of the rows beside them, rank 8 at the top
    // of an unturned board, as the squares are named everywhere else.
    for (int i = 0; i < 8; ++i)
        DrawCentredText(painter, origin.x - 7, origin.y + 25 + 50 * i, RowLabel(origin, i));
    painter.restore();
}

void DrawEdgeCoordinates(QPainter& painter, TBoardOrigin origin, QColor background) {
    painter.save();
    QFont font = SansFont(11, true);
    painter.setFont(font);
    // Dark letters on a light background, light ones on a dark background.
    const QColor ink = background.lightness() < 110 ? QColor(235, 235, 235) : QColor(30, 30, 30);
    painter.setPen(ink);
    // Above the board, in its top margin: below it a short window would
    // cut them off.
    for (int j = 0; j < 8; ++j)
        DrawCentredText(painter, origin.x + 25 + 50 * j, origin.y - 17, ColumnLabel(origin, j));
    for (int i = 0; i < 8; ++i)
        DrawCentredText(painter, origin.x - 8, origin.y + 18 + 50 * i, RowLabel(origin, i));
    painter.restore();
}

void DrawBoard(QPainter& painter, const TPictureCatalogue& pictures, TBoardOrigin origin,
               TBoardStyle style) {
    if (style == TBoardStyle::Coloured) {
        // A turned board is the same picture turned about its centre.
        painter.save();
        painter.translate(origin.x + kBoardSize / 2.0, origin.y + kBoardSize / 2.0);
        painter.rotate(90.0 * ((origin.quarterTurns % 4 + 4) % 4));
        painter.drawPixmap(QPointF(-kBoardSize / 2.0, -kBoardSize / 2.0),
                           pictures.Picture(BoardPictureId(pictures.BoardLetter())));
        painter.restore();
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
    for (int rank = 8; rank >= 1; --rank) {
        for (int file = 1; file <= 8; ++file) {
            const TPixel corner = SquareCornerOf(origin, rank, file);
            const TPiece& piece = board.At(rank, file);
            if (piece.kind != Empty)
                DrawPieceAt(painter, pictures, piece, board.CompanionKind(), style,
                            QPointF(corner.x, corner.y));
            // The marker shows on the Ptah square whether or not a piece
            // stands on it.
            if (SquaresEqual(ptah, TSquare{rank, file}))
                painter.drawPixmap(corner.x + kPtahMarkerOffset, corner.y + kPtahMarkerOffset,
                                   pictures.Picture(kPtahMarkerId));
        }
    }
}

void DrawBoardArea(QPainter& painter, const TPictureCatalogue& pictures, const TBoard& board,
                   TSquare ptah, TBoardOrigin origin, const TDisplayOptions& options) {
    if (options.boardStyle == TBoardStyle::Simple) DrawCoordinateLabels(painter, origin);
    DrawBoard(painter, pictures, origin, options.boardStyle);
    if (options.boardStyle == TBoardStyle::Coloured && options.edgeCoordinates)
        DrawEdgeCoordinates(painter, origin, options.backgroundColour);
    DrawPieces(painter, pictures, board, ptah, origin, options.pieceStyle);
}

}  // namespace vaeloric
