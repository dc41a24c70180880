// SPDX-License-Identifier: GPL-3.0-or-later

// The board turned by quarter turns, the coordinates along its edges, the
// marks of a picked-up piece and the last-move frame on every square colour.
#include "render/board_turn.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <set>
#include <tuple>

#include "game/piece_moves.h"
#include "render/board_drawing.h"
#include "render/held_piece.h"
#include "render/move_marks.h"
#include "render/panel_drawing.h"
#include "tests/render/render_test_support.h"

namespace vaeloric {
namespace {

class BoardTurn : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }
    TPictureCatalogue pictures{'W'};
};

TEST_F(BoardTurn, EverySquareHasOnePlaceAtEveryTurnAndThePointerFindsIt) {
    for (int turns = 0; turns < 4; ++turns) {
        const TBoardOrigin origin{40, 30, turns};
        std::set<std::pair<int, int>> corners;
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file) {
                const TPixel corner = SquareCornerOf(origin, rank, file);
                corners.insert({corner.x, corner.y});
                EXPECT_GE(corner.x, 40);
                EXPECT_LE(corner.x, 40 + 350);
                EXPECT_GE(corner.y, 30);
                EXPECT_LE(corner.y, 30 + 350);
                for (const int d : {0, 25, 49}) {
                    const TSquare hit = SquareAtPoint(origin, corner.x + d, corner.y + 49 - d);
                    EXPECT_EQ(hit.rank, rank) << turns;
                    EXPECT_EQ(hit.file, file) << turns;
                }
            }
        EXPECT_EQ(corners.size(), 64u);
    }
    // Unturned, rank 8 is at the top and file A at the left; a quarter turn
    // clockwise takes A8 to the top right, half a turn to the bottom right.
    const struct {
        int turns, rank, file;
        TPixel corner;
    } rows[] = {
        {0, 8, 1, {40, 30}},   {0, 1, 8, {390, 380}}, {1, 8, 1, {390, 30}},
        {2, 8, 1, {390, 380}}, {3, 8, 1, {40, 380}},  {1, 1, 1, {40, 30}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(SquareCornerOf(TBoardOrigin{40, 30, row.turns}, row.rank, row.file), row.corner)
            << row.turns << " " << row.rank << row.file;
}

TEST_F(BoardTurn, PiecesAndMarksAreDrawnOnTheirTurnedSquares) {
    const TSetUpRecord setUp = test::SampleSetUp("45W", 2, 1, 3);
    TBoard board = test::SetUpBoard(setUp);
    const TPieceDestinations moves = PieceDestinations(board, 1, 1, TSquare{2, 2});
    for (int turns = 0; turns < 4; ++turns) {
        const TBoardOrigin unturned{40, 30, 0}, turned{40, 30, turns};
        QImage a = test::Canvas(500, 460), b = test::Canvas(500, 460);
        {
            QPainter pa(&a), pb(&b);
            DrawPieces(pa, pictures, board, setUp.ptah, unturned, TPieceStyle::Gods);
            DrawPieces(pb, pictures, board, setUp.ptah, turned, TPieceStyle::Gods);
            DrawDestinationMarks(pa, moves, unturned);
            DrawDestinationMarks(pb, moves, turned);
        }
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file) {
                const TPixel p = SquareCornerOf(unturned, rank, file);
                const TPixel q = SquareCornerOf(turned, rank, file);
                EXPECT_EQ(a.copy(p.x, p.y, 50, 50), b.copy(q.x, q.y, 50, 50))
                    << turns << ": " << rank << "," << file;
            }
    }
}

// The number of pixels in the rectangle with some ink.
int Ink(const QImage& image, QRect area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y).alpha() > 0;
    return count;
}

TEST_F(BoardTurn, EdgeCoordinatesFollowTheTurnAndReadOnTheBackground) {
    const TBoardOrigin origin{40, 30};
    const QRect aboveA(40, 12, 50, 18), leftOfTop(20, 30, 20, 50);
    QImage straight = test::Canvas(500, 460), half = test::Canvas(500, 460);
    {
        QPainter painter(&straight);
        DrawEdgeCoordinates(painter, origin, QColor(0, 255, 0));
        QPainter other(&half);
        DrawEdgeCoordinates(other, TBoardOrigin{40, 30, 2}, QColor(0, 255, 0));
    }
    EXPECT_GT(Ink(straight, aboveA), 10);
    EXPECT_GT(Ink(straight, leftOfTop), 10);
    EXPECT_EQ(Ink(straight, QRect(40, 30, 400, 400)), 0);  // none on the board
    // Half a turn: H under the first column, 1 beside the top row.
    EXPECT_NE(straight.copy(aboveA), half.copy(aboveA));
    EXPECT_NE(straight.copy(leftOfTop), half.copy(leftOfTop));
    // Light letters on the black background.
    QImage dark = test::Canvas(500, 460);
    {
        QPainter painter(&dark);
        DrawEdgeCoordinates(painter, origin, Qt::black);
    }
    int light = 0;
    for (int y = aboveA.top(); y <= aboveA.bottom(); ++y)
        for (int x = aboveA.left(); x <= aboveA.right(); ++x)
            light += dark.pixelColor(x, y).alpha() > 200 && dark.pixelColor(x, y).lightness() > 180;
    EXPECT_GT(light, 5);
}

// The relative luminance of a colour, and the contrast of two.
double Luminance(QColor c) {
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}
double Contrast(QColor a, QColor b) {
    const double x = Luminance(a) + 0.05, y = Luminance(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

TEST_F(BoardTurn, TheLastMoveFrameShowsOnEverySquareColour) {
    const QColor squares[] = {QColor(255, 230, 0), QColor(240, 220, 60), Qt::white,
                              Qt::black,           QColor(0, 60, 255),   QColor(200, 0, 0),
                              QColor(120, 90, 40)};
    for (std::int32_t mover = 1; mover <= 4; ++mover)
        for (const QColor square : squares) {
            QImage image(100, 50, QImage::Format_ARGB32);
            image.fill(square);
            TTurnState turn;
            turn.mover = mover;
            turn.moveFrom = TSquare{8, 1};
            turn.moveTo = TSquare{8, 2};
            {
                QPainter painter(&image);
                DrawLastMoveFrames(painter, turn, TBoardOrigin{0, 0});
            }
            double best = 1;
            for (int x = 0; x < 8; ++x)
                best = std::max(best, Contrast(image.pixelColor(x, 25), square));
            EXPECT_GE(best, 3.0) << "army " << mover << " on " << square.name().toStdString();
        }
}

TEST_F(BoardTurn, APickUpNoteTakesTheHintsPlace) {
    TTurnPanelInput input;
    input.throwValue = 5;
    QImage hint = test::Canvas(80, 190), note = test::Canvas(80, 190);
    {
        QPainter painter(&hint);
        DrawTurnPanel(painter, pictures, input);
    }
    input.noteFirst = "Needs";
    input.noteSecond = "a 1";
    {
        QPainter painter(&note);
        DrawTurnPanel(painter, pictures, input);
    }
    EXPECT_NE(hint.copy(4, 105, 68, 45), note.copy(4, 105, 68, 45));
    EXPECT_EQ(hint.copy(0, 0, 80, 100), note.copy(0, 0, 80, 100));
    // Before the throw the buttons fill the panel: the note shows in a tab.
    input.throwValue = 0;
    QImage tab = test::Canvas(80, 190);
    {
        QPainter painter(&tab);
        DrawTurnPanel(painter, pictures, input);
    }
    EXPECT_GT(Ink(tab, QRect(2, 166, 72, 16)), 50);
}

// Buttons that do nothing at this screen are greyed, THROW and ENTER before
// the throw and MOVE after it; nothing else in the panel changes.
TEST_F(BoardTurn, IdleButtonsAreGreyed) {
    for (const auto& [face, code, top] : {std::tuple{0, 1, 101}, std::tuple{4, 3, 111}}) {
        TTurnPanelInput input;
        input.throwValue = face;
        input.playerCode = code;
        QImage usable = test::Canvas(80, 190), idle = test::Canvas(80, 190);
        {
            QPainter painter(&usable);
            DrawTurnPanel(painter, pictures, input);
        }
        input.buttonsIdle = true;
        {
            QPainter painter(&idle);
            DrawTurnPanel(painter, pictures, input);
        }
        EXPECT_NE(usable.copy(7, top, 60, 50), idle.copy(7, top, 60, 50)) << "face " << face;
        EXPECT_EQ(usable.copy(0, 0, 80, top - 1), idle.copy(0, 0, 80, top - 1)) << "face " << face;
    }
}

// Turned by default, the army's pieces stand in the bottom rows behind
// its pawns.
TEST_F(BoardTurn, TheDefaultTurnBringsTheArmyDown) {
    for (const char letter : {'W', 'A', 'E', 'F'})
        for (const TSquare ptah : {TSquare{4, 5}, TSquare{2, 1}, TSquare{7, 7}, TSquare{5, 2}}) {
            TBoard board;
            board.SetUp(ptah, letter);
            for (std::int32_t army = 1; army <= 4; ++army) {
                const int turns = QuarterTurnsBringingArmyDown(ptah, letter, army);
                double pieces = 0, pawns = 0;
                for (int rank = 1; rank <= 8; ++rank)
                    for (int file = 1; file <= 8; ++file) {
                        const TPiece& piece = board.GetPiece(rank, file);
                        if (piece.army != army) continue;
                        const int row = ScreenCellOf(turns, rank, file).row;
                        (IsPawnKind(piece.kind) ? pawns : pieces) += row;
                    }
                EXPECT_GE(pieces / 4, 6.0) << letter << " army " << army;
                EXPECT_GE(pieces / 4, pawns / 4) << letter << " army " << army;
            }
        }
}

}  // namespace
}  // namespace vaeloric
