// SPDX-License-Identifier: GPL-3.0-or-later

// The hint's arrow and score: drawn between the right squares however the
// board is turned, its label kept on the board, its score written plainly.
#include "render/hint_arrow.h"

#include <gtest/gtest.h>

#include <QPainter>

#include "tests/render/render_test_support.h"

namespace vaeloric {
namespace {

class HintArrow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }

    static QImage Paint(TBoardOrigin origin, TSquare from, TSquare to, const QString& label) {
        QImage image = test::Canvas(origin.x + kBoardSize + 40, origin.y + kBoardSize + 40);
        QPainter painter(&image);
        DrawHintArrow(painter, origin, from, to, label);
        return image;
    }
    static QPoint Centre(TBoardOrigin origin, TSquare square) {
        const TPixel corner = SquareCornerOf(origin, square.rank, square.file);
        return QPoint(corner.x + kSquareSize / 2, corner.y + kSquareSize / 2);
    }
    // The arrow's yellow, not the label's cream nor the dark edge.
    static bool ArrowAt(const QImage& image, QPoint p) {
        const QColor c = image.pixelColor(p);
        return c.alpha() > 150 && c.red() > 200 && c.green() > 150 && c.green() < 225 &&
               c.blue() < 80;
    }
};

TEST_F(HintArrow, RunsBetweenTheHintedSquaresOnATurnedBoard) {
    const TSquare from{1, 2}, to{4, 2};  // B1 to B4
    for (int turns = 0; turns < 4; ++turns) {
        SCOPED_TRACE(turns);
        const TBoardOrigin origin{20, 20, turns};
        const QImage image = Paint(origin, from, to, QString());
        // Along the line between the two squares' centres, on the way.
        const QPoint a = Centre(origin, from), b = Centre(origin, to);
        for (double t : {0.3, 0.5, 0.7}) EXPECT_TRUE(ArrowAt(image, a + (b - a) * t)) << t;
        // Nowhere near a square off the line.
        EXPECT_EQ(image.pixelColor(Centre(origin, TSquare{4, 6})).alpha(), 0);
        EXPECT_EQ(image.pixelColor(Centre(origin, TSquare{1, 7})).alpha(), 0);
    }
}

TEST_F(HintArrow, TheScoreStaysOnTheBoardAtEveryEdge) {
    const TBoardOrigin origin{30, 30, 0};
    const QRect board(origin.x, origin.y, kBoardSize, kBoardSize);
    // Arrows that end at each edge and corner, pointing off the board.
    const std::pair<TSquare, TSquare> moves[] = {
        {{6, 4}, {8, 4}}, {{3, 4}, {1, 4}}, {{4, 3}, {4, 1}},
        {{4, 6}, {4, 8}}, {{6, 6}, {8, 8}}, {{3, 3}, {1, 1}},
    };
    for (const auto& [from, to] : moves) {
        SCOPED_TRACE(SquareName(to));
        const QImage image = Paint(origin, from, to, HintScoreText(12.5));
        int labelPixels = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).alpha() == 0) continue;
                EXPECT_TRUE(board.contains(x, y)) << x << "," << y;
                const QColor c = image.pixelColor(x, y);
                labelPixels += c.red() > 240 && c.green() > 240 && c.blue() > 215;
            }
        EXPECT_GT(labelPixels, 200);
    }
}

TEST_F(HintArrow, TheScoreIsSignedWithOneDecimal) {
    const std::pair<double, const char*> rows[] = {
        {1.26, "+1.3"}, {-0.44, "\u22120.4"}, {0.04, "0.0"},
        {-0.04, "0.0"}, {100, "+100.0"},      {-12.34, "\u221212.3"},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(HintScoreText(value), QString(text)) << value;
}

}  // namespace
}  // namespace vaeloric
