// SPDX-License-Identifier: GPL-3.0-or-later

// The turn panel, the square information panel and the pyramid ruler panel.
#include <gtest/gtest.h>

#include <QPainter>

#include "render/panel_drawing.h"
#include "render/picture_ids.h"
#include "tests/render/render_test_support.h"

namespace vaeloric {
namespace {

constexpr TBoardOrigin kOrigin{20, 20};

class Panels : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureGuiApplication(); }

    QImage Turn(const TTurnPanelInput& input) {
        QImage image = test::Canvas(100, 200);
        QPainter painter(&image);
        DrawTurnPanel(painter, pictures, input);
        return image;
    }

    QImage Info(const TBoard& board, const char* status, TSquare square,
                const TDisplayOptions& options = {}) {
        QImage image = test::Canvas(620, 460);
        QPainter painter(&image);
        DrawSquareInfoPanel(painter, pictures, board, TSquare{status[0] - '0', status[1] - '0'},
                            square, kOrigin, options);
        return image;
    }

    // Any pixel of the rows [top, bottom] inside the panel differs from the panel colour.
    static bool InkInRows(const QImage& image, int top, int bottom, QColor panel) {
        return test::CountOther(image, QRect(5, top, 66, bottom - top + 1), panel) > 0;
    }

    TPictureCatalogue pictures{'W'};
};

TEST_F(Panels, TurnPanelColoursByArmy) {
    struct {
        int army;
        QColor panel, ink;
    } const cases[] = {
        {1, QColor(255, 0, 0), QColor(0, 255, 255)},
        {2, QColor(0, 0, 0), QColor(255, 255, 255)},
        {3, QColor(255, 255, 0), QColor(0, 0, 255)},
        {4, QColor(0, 0, 255), QColor(255, 255, 0)},
    };
    for (const auto& c : cases) {
        const QImage image = Turn({c.army, 1, "Anna", 0});
        EXPECT_EQ(image.pixelColor(2, 2), c.ink) << c.army;
        EXPECT_EQ(image.pixelColor(73, 164), c.ink);
        EXPECT_EQ(image.pixelColor(74, 164).alpha(), 0);  // right and bottom edges excluded
        EXPECT_EQ(image.pixelColor(73, 165).alpha(), 0);
        EXPECT_EQ(image.pixelColor(4, 4), c.panel);
        EXPECT_EQ(image.pixelColor(71, 162), c.panel);
        EXPECT_EQ(image.pixelColor(72, 100), c.ink);
    }
}

TEST_F(Panels, NameOnOneOrTwoLines) {
    const QColor red(255, 0, 0);
    // "Varro Quillane" takes two lines from y = 3, "to move" at y = 33.
    const QImage two = Turn({1, 8, "Varro Quillane", 0});
    EXPECT_TRUE(InkInRows(two, 4, 8, red));
    // A long single word sits on one line at y = 10; nothing above it.
    const QImage one = Turn({1, 1, "Maximiliano", 0});
    EXPECT_FALSE(InkInRows(one, 4, 9, red));
    EXPECT_TRUE(InkInRows(one, 10, 24, red));
    // The caption under it in both.
    EXPECT_TRUE(InkInRows(one, 48, 64, red));
    EXPECT_TRUE(InkInRows(two, 48, 64, red));
}

TEST_F(Panels, WideNamesStayInsideThePanel) {
    const QColor red(255, 0, 0);
    const QImage image = Turn({1, 1, "WWWWWWWWW MMMMMMMMM", 0});
    EXPECT_TRUE(InkInRows(image, 4, 30, red));
    EXPECT_EQ(test::CountOther(image, QRect(4, 4, 2, 44), red), 0);
    EXPECT_EQ(test::CountOther(image, QRect(70, 4, 2, 44), red), 0);
}

TEST_F(Panels, ThrowAndEnterButtonsBeforeTheThrow) {
    const QColor panel(255, 255, 0);
    const QImage image = Turn({3, 1, "Anna", 0});
    const QPixmap enter = pictures.Picture(kEnterButtonUpId);
    EXPECT_TRUE(test::HoldsPicture(image, 7, 132, enter, test::Plain(enter, panel), 31));
    const QPixmap throwButton = pictures.Picture(kThrowButtonUpId);
    EXPECT_TRUE(
        test::HoldsPicture(image, 7, 101, throwButton, test::Plain(throwButton, panel), 31));
}

TEST_F(Panels, DieFaceThenHintForAHumanOrMoveButtonForAComputer) {
    const QColor panel(0, 0, 255);
    for (int face = 1; face <= 6; ++face) {
        const QImage human = Turn({4, 1, "Anna", face});
        const QPixmap die = pictures.Picture(DieFaceId(face));
        EXPECT_TRUE(test::HoldsPicture(human, 17, 67, die, test::Plain(die, panel), 40)) << face;
        EXPECT_TRUE(InkInRows(human, 140, 155, panel)) << face;  // second hint line
        const QPixmap button = pictures.Picture(kThrowButtonUpId);
        EXPECT_FALSE(test::HoldsPicture(human, 7, 101, button, test::Plain(button, panel), 31));
    }
    const QImage computer = Turn({4, 3, "Osric Vane", 2});
    const QPixmap move = pictures.Picture(kMoveButtonUpId);
    EXPECT_TRUE(test::HoldsPicture(computer, 7, 111, move));
}

TEST_F(Panels, NothingWithoutASelectedSquare) {
    const TSetUpRecord setUp = test::SampleSetUp("45W", 2, 1, 3);
    const QImage image = Info(test::SetUpBoard(setUp), "45W", TSquare{0, 0});
    EXPECT_EQ(image, test::Canvas(620, 460));
}

TEST_F(Panels, EmptySquareClearsToTheBackground) {
    const TSetUpRecord setUp = test::SampleSetUp("45W", 2, 1, 3);
    TDisplayOptions options;
    options.backgroundColour = QColor(208, 18, 239);
    options.squareStyle = TSquareStyle::English;
    const QImage image = Info(test::SetUpBoard(setUp), "45W", TSquare{4, 4}, options);
    EXPECT_EQ(test::CountOther(image, QRect(kOrigin.x + 410, 0, 150, kOrigin.y + 250),
                               options.backgroundColour),
              0);
    EXPECT_TRUE(
        test::HoldsPicture(image, kOrigin.x + 410, kOrigin.y + 252,
                           pictures.Picture(SquarePictureId('W', 4, 4, TSquareStyle::English))));
}

TEST_F(Panels, EmptyPtahSquareShowsItsOwnPicture) {
    const TSetUpRecord setUp = test::SampleSetUp("45W", 2, 1, 3);
    const QImage image = Info(test::SetUpBoard(setUp), "45W", TSquare{4, 5});
    EXPECT_TRUE(test::HoldsPicture(image, kOrigin.x + 410, 0, pictures.Picture(kEmptyPtahSquareId),
                                   QImage(), kOrigin.y + 250));
    EXPECT_TRUE(
        test::HoldsPicture(image, kOrigin.x + 410, kOrigin.y + 252,
                           pictures.Picture(SquarePictureId('W', 4, 5, TSquareStyle::Vaeloric))));
}

TEST_F(Panels, PieceWithNameBandInItsArmysColour) {
    const TSetUpRecord setUp = test::SampleSetUp("45W", 2, 1, 3);
    const TBoard board = test::SetUpBoard(setUp);
    const QColor bands[5] = {
        {}, QColor(255, 0, 0), QColor(0, 0, 0), QColor(255, 255, 0), QColor(0, 0, 255)};
    for (int army = 1; army <= 4; ++army) {
        // The pawn in front of each army's King.
        const TSquare home = KingHomeSquare(army);
        const TSquare pawn{home.rank, home.file == 1 ? 2 : 7};
        ASSERT_EQ(board.At(pawn.rank, pawn.file).army, army);
        const QImage image = Info(board, "45W", pawn);
        EXPECT_EQ(image.pixelColor(kOrigin.x + 410, 0), bands[army]);
        EXPECT_EQ(image.pixelColor(kOrigin.x + 559, kOrigin.y - 1), bands[army]);
        EXPECT_EQ(image.pixelColor(kOrigin.x + 560, 0).alpha(), 0);
        const int kind = board.At(pawn.rank, pawn.file).kind;
        EXPECT_TRUE(test::HoldsPicture(image, kOrigin.x + 410, kOrigin.y,
                                       pictures.Picture(InfoPiecePictureId('W', kind, Queen))));
    }
}

TEST_F(Panels, JoinedKingAndPtahOverlays) {
    // Ptah on H1, where army 1's joined King stands.
    const TSetUpRecord setUp = test::SampleSetUp("18W", 2, 1, 3);
    const TBoard board = test::SetUpBoard(setUp);
    ASSERT_EQ(board.At(1, 8).kind, CombinedKing);
    const QImage image = Info(board, "18W", TSquare{1, 8});
    const QPixmap piece =
        pictures.Picture(InfoPiecePictureId('W', CombinedKing, board.CompanionKind()));
    EXPECT_TRUE(test::HoldsPicture(image, kOrigin.x + 410, kOrigin.y, piece, QImage(), 130));
    const QPixmap king = pictures.Picture(InfoKingOverlayId('W'));
    QImage under = test::Canvas(king.width(), king.height());
    {
        QPainter painter(&under);
        painter.drawPixmap(0, -150, piece);
        painter.drawPixmap(25, -20, pictures.Picture(kPtahOverlayId));
    }
    EXPECT_TRUE(test::HoldsPicture(image, kOrigin.x + 410, kOrigin.y + 150, king, under));
}

TEST_F(Panels, PyramidRulerWithItsCaptionBand) {
    QImage image = test::Canvas(620, 460);
    {
        QPainter painter(&image);
        DrawPyramidRulerPanel(painter, pictures, TSquare{5, 5}, kOrigin);
    }
    EXPECT_TRUE(test::HoldsPicture(image, kOrigin.x + 410, kOrigin.y,
                                   pictures.Picture(RulerPictureId('W', 5, 5))));
    EXPECT_EQ(image.pixelColor(kOrigin.x + 410, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(kOrigin.x + 559, 10), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(kOrigin.x + 420, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(kOrigin.x + 412, 2), QColor(Qt::white));
    EXPECT_GT(test::CountOther(image, QRect(kOrigin.x + 430, 1, 110, kOrigin.y - 1), Qt::white), 0);
}

}  // namespace
}  // namespace vaeloric
