// SPDX-License-Identifier: GPL-3.0-or-later

// The marks of the last move and of a King in check, and pictures drawn for
// a zoomed screen.
#include <gtest/gtest.h>

#include <QPainter>

#include "render/scene.h"
#include "tests/render/render_test_support.h"

namespace vaeloric {
namespace {

constexpr TBoardOrigin kOrigin{160, 20};

class Marks : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }

    void SetUp() override {
        setUp = test::SampleSetUp("27W", 1, 8, 1);
        board = test::SetUpBoard(setUp);
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file) board.PutPiece(rank, file, TPiece{});
        // Army 1's King on E1 under army 2's Rook on E8.
        board.PutPiece(1, 5, TPiece{King, 1, 3, 1, 0});
        board.PutPiece(8, 5, TPiece{Rook, 2, 4, 1, 0});
        board.PutPiece(8, 1, TPiece{King, 2, 4, 1, 0});
        board.armyToMove = 1;
        turn.mover = 2;
        turn.moveFrom = TSquare{5, 5};
        turn.moveTo = TSquare{8, 5};
    }
    QImage Paint(bool marks, TBoardStyle style) {
        TScene scene;
        scene.board = &board;
        scene.setUp = &setUp;
        scene.turn = &turn;
        scene.origin = kOrigin;
        scene.options.boardStyle = style;
        scene.markLastMove = scene.markCheck = marks;
        QImage image = test::Canvas(760, 460);
        QPainter painter(&image);
        PaintScene(painter, pictures, scene, image.rect());
        return image;
    }
    // The pixel a few pixels inside a square's top-left corner.
    static QColor Near(const QImage& image, TSquare square, int dx, int dy) {
        const TPixel corner = SquareCornerOf(kOrigin, square.rank, square.file);
        return image.pixelColor(corner.x + dx, corner.y + dy);
    }

    TSetUpRecord setUp;
    TBoard board;
    TTurnState turn;
    TPictureCatalogue pictures{'W'};
};

TEST_F(Marks, LastMoveFramesCheckRingAndTabInBothBoardStyles) {
    for (TBoardStyle style : {TBoardStyle::Coloured, TBoardStyle::Simple}) {
        const QImage plain = Paint(false, style);
        const QImage marked = Paint(true, style);
        // Army 2's move: a dark frame on both its squares, none elsewhere.
        for (TSquare square : {turn.moveFrom, turn.moveTo}) {
            EXPECT_LT(Near(marked, square, 25, 2).lightness(), 60);
            EXPECT_NE(Near(marked, square, 25, 2), Near(plain, square, 25, 2));
        }
        EXPECT_EQ(Near(marked, TSquare{4, 4}, 25, 2), Near(plain, TSquare{4, 4}, 25, 2));
        // The attacked King: a red ring round it and the turn panel's tab.
        const QColor ring = Near(marked, TSquare{1, 5}, 25 + 21, 25);
        EXPECT_GT(ring.red(), 180);
        EXPECT_LT(ring.green(), 80);
        EXPECT_EQ(marked.pixelColor(3, 175), QColor(0, 255, 255));  // army 1's ink
        EXPECT_NE(plain.pixelColor(3, 175), QColor(0, 255, 255));
        // Army 2's King is not attacked: no ring.
        EXPECT_EQ(Near(marked, TSquare{8, 1}, 25 + 21, 25),
                  Near(plain, TSquare{8, 1}, 25 + 21, 25));
    }
}

TEST_F(Marks, PicturesAreDrawnForTheScaleTheyAreShownAt) {
    for (double scale : {1.0, 1.5, 2.0, 2.4}) {
        pictures.SetRenderScale(scale);
        const QPixmap boardPicture = pictures.Picture(1501);
        EXPECT_EQ(boardPicture.width(), qRound(400 * scale)) << scale;
        EXPECT_DOUBLE_EQ(boardPicture.devicePixelRatio(), scale);
        // Drawn at its place through a painter of the same scale, it covers
        // exactly its square of scene pixels.
        QImage image(qRound(600 * scale), qRound(460 * scale), QImage::Format_ARGB32);
        image.fill(Qt::green);
        QPainter painter(&image);
        painter.scale(scale, scale);
        painter.drawPixmap(kOrigin.x, kOrigin.y, boardPicture);
        painter.end();
        EXPECT_NE(image.pixelColor(qRound(kOrigin.x * scale) + 1, qRound(kOrigin.y * scale) + 1),
                  QColor(Qt::green));
        EXPECT_EQ(image.pixelColor(qRound((kOrigin.x + 400) * scale) + 1,
                                   qRound((kOrigin.y + 400) * scale) + 1),
                  QColor(Qt::green));
    }
    // A sharp drawing is not a blown-up copy: at 2x the board picture has
    // detail that the 1x picture cannot hold (far more distinct colours in a
    // square's worth of pixels than an enlargement of it).
    pictures.SetRenderScale(1.0);
    const QImage small = pictures.Picture(1501).toImage().scaled(800, 800);
    pictures.SetRenderScale(2.0);
    const QImage sharp = pictures.Picture(1501).toImage();
    int differing = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) differing += small.pixel(x, y) != sharp.pixel(x, y);
    EXPECT_GT(differing, 100);
}

}  // namespace
}  // namespace vaeloric
