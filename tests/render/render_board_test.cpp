// SPDX-License-Identifier: GPL-3.0-or-later

// Board, pieces, King badges, the Ptah marker and the coordinate labels,
// painted into images.
#include <gtest/gtest.h>

#include <QPainter>

#include "game/internal_error.h"
#include "render/board_drawing.h"
#include "render/fonts.h"
#include "render/picture_ids.h"
#include "render/text_drawing.h"
#include "tests/render/render_test_support.h"

namespace vaeloric {
namespace {

constexpr TBoardOrigin kOrigin{40, 30};

class BoardDrawing : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }

    QImage PaintPieces(const TBoard& board, TSquare ptah, TPieceStyle style) {
        QImage image = test::Canvas(500, 460);
        QPainter painter(&image);
        DrawPieces(painter, pictures, board, ptah, kOrigin, style);
        return image;
    }

    TPictureCatalogue pictures{'W'};
};

TEST_F(BoardDrawing, EveryPieceAtItsSquareCorner) {
    const TSetUpRecord setUp = test::SampleSetUp("45W", 2, 1, 3);
    const TBoard board = test::SetUpBoard(setUp);
    const QImage image = PaintPieces(board, setUp.ptah, TPieceStyle::Gods);
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.kind == Empty || piece.kind == CombinedKing) continue;
            const TPixel corner = SquareCornerOf(kOrigin, rank, file);
            const int id = PiecePictureId(piece.kind, piece.army, TPieceStyle::Gods, 'W',
                                          board.CompanionKind());
            EXPECT_TRUE(test::HoldsPicture(image, corner.x, corner.y, pictures.Picture(id)))
                << "rank " << rank << " file " << file;
        }
}

TEST_F(BoardDrawing, JoinedKingCarriesTheBadgeInItsArmysCorner) {
    const TSetUpRecord setUp = test::SampleSetUp("45W", 2, 1, 3);
    const TBoard board = test::SetUpBoard(setUp);
    for (TPieceStyle style : {TPieceStyle::Gods, TPieceStyle::Symbolic}) {
        const QImage image = PaintPieces(board, setUp.ptah, style);
        for (int army = 1; army <= 4; ++army) {
            const TSquare home = KingHomeSquare(army);
            ASSERT_EQ(board.At(home.rank, home.file).kind, CombinedKing);
            const TPixel corner = SquareCornerOf(kOrigin, home.rank, home.file);
            const QPixmap piece = pictures.Picture(
                PiecePictureId(CombinedKing, army, style, 'W', board.CompanionKind()));
            const TOffset offset = KingBadgeOffset(army);
            // The piece shows where the badge does not cover it, the badge on top.
            QImage under = test::Canvas(piece.width(), piece.height());
            {
                QPainter painter(&under);
                painter.drawPixmap(-offset.dx, -offset.dy, piece);
            }
            EXPECT_TRUE(test::HoldsPicture(image, corner.x + offset.dx, corner.y + offset.dy,
                                           pictures.Picture(KingBadgeId(army)), under))
                << "army " << army;
        }
    }
}

TEST_F(BoardDrawing, PtahMarkerOnItsSquareEmptyOrOccupied) {
    // E4 is empty at the start, G2 holds a pawn.
    for (const char* status : {"45W", "27W"}) {
        const TSetUpRecord setUp = test::SampleSetUp(status, 2, 1, 3);
        const TBoard board = test::SetUpBoard(setUp);
        const int rank = status[0] - '0';
        const int file = status[1] - '0';
        for (TPieceStyle style : {TPieceStyle::Gods, TPieceStyle::Symbolic}) {
            const QImage image = PaintPieces(board, setUp.ptah, style);
            const TPixel corner = SquareCornerOf(kOrigin, rank, file);
            QImage under;
            const TPiece& piece = board.At(rank, file);
            if (piece.kind != Empty) {
                under = test::Canvas(25, 25);
                QPainter painter(&under);
                painter.drawPixmap(-kPtahMarkerOffset, -kPtahMarkerOffset,
                                   pictures.Picture(PiecePictureId(piece.kind, piece.army, style,
                                                                   'W', board.CompanionKind())));
            }
            // The marker is 25 x 25; a larger stand-in is compared there only.
            const QPixmap marker = pictures.Picture(kPtahMarkerId).copy(0, 0, 25, 25);
            EXPECT_TRUE(test::HoldsPicture(image, corner.x + 12, corner.y + 12, marker, under))
                << status;
        }
    }
}

TEST_F(BoardDrawing, PieceOfAnImpossibleArmyEndsThePaint) {
    const TSetUpRecord setUp = test::SampleSetUp("45W", 2, 1, 3);
    TBoard board = test::SetUpBoard(setUp);
    board.At(4, 4) = TPiece{Queen, 5, 0, 1, 0};
    EXPECT_THROW(PaintPieces(board, setUp.ptah, TPieceStyle::Gods), TInternalError);
}

TEST_F(BoardDrawing, ColouredStyleCopiesTheProgramsBoardPicture) {
    QImage image = test::Canvas(500, 460);
    {
        QPainter painter(&image);
        DrawBoard(painter, pictures, kOrigin, TBoardStyle::Coloured);
    }
    EXPECT_TRUE(test::HoldsPicture(image, kOrigin.x, kOrigin.y, pictures.Picture(1501)));
}

TEST_F(BoardDrawing, SimpleStyleOutlinesEachSquareOnly) {
    QImage image = test::Canvas(500, 460);
    {
        QPainter painter(&image);
        DrawBoard(painter, pictures, kOrigin, TBoardStyle::Simple);
    }
    const QColor black(Qt::black);
    for (int i = 0; i < 8; ++i) {
        const int left = kOrigin.x + 50 * i;
        const int top = kOrigin.y + 50 * i;
        EXPECT_EQ(image.pixelColor(left, kOrigin.y + 10), black);
        EXPECT_EQ(image.pixelColor(left + 49, kOrigin.y + 10), black);
        EXPECT_EQ(image.pixelColor(kOrigin.x + 10, top), black);
        EXPECT_EQ(image.pixelColor(left + 25, top + 25).alpha(), 0);  // inside left alone
    }
    EXPECT_EQ(image.pixelColor(kOrigin.x + 400, kOrigin.y + 10).alpha(), 0);
}

// The ink's bounding box within a rectangle of the image.
QRect InkBox(const QImage& image, QRect area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y).alpha() > 0) box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(BoardDrawing, LettersAboveAndRankDigitsLeftOfTheBoard) {
    QImage image = test::Canvas(500, 460);
    {
        QPainter painter(&image);
        DrawCoordinateLabels(painter, kOrigin);
    }
    // Nothing on the board itself.
    EXPECT_TRUE(InkBox(image, QRect(kOrigin.x, kOrigin.y, 400, 400)).isNull());
    for (int j = 0; j < 8; ++j) {
        const int centre = kOrigin.x + 25 + 50 * j;
        const QRect box = InkBox(image, QRect(centre - 25, 0, 50, kOrigin.y));
        ASSERT_FALSE(box.isNull()) << j;
        EXPECT_NEAR(box.center().x(), centre, 1) << j;
        EXPECT_GE(box.top(), kOrigin.y - 19);
    }
    // Row i's digit names its rank: 8 at the top, 1 at the bottom.
    for (int i = 0; i < 8; ++i) {
        const QRect area(0, kOrigin.y + 50 * i, kOrigin.x, 50);
        QImage alone = test::Canvas(500, 460);
        {
            QPainter painter(&alone);
            painter.setFont(SansFont(18));
            DrawCentredText(painter, kOrigin.x - 7, kOrigin.y + 25 + 50 * i,
                            QString::number(8 - i));
        }
        EXPECT_EQ(image.copy(area), alone.copy(area)) << "row " << i;
        const QRect box = InkBox(image, area);
        EXPECT_NEAR(box.center().x(), kOrigin.x - 7, 1);
        EXPECT_GE(box.top(), kOrigin.y + 25 + 50 * i);
    }
}

}  // namespace
}  // namespace vaeloric
