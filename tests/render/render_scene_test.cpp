// SPDX-License-Identifier: GPL-3.0-or-later

// One whole paint from the game state.
#include <gtest/gtest.h>

#include <QPainter>

#include "render/picture_ids.h"
#include "render/scene.h"
#include "tests/render/render_test_support.h"

namespace vaeloric {
namespace {

TEST(Scene, PaintsTheArmyToMoveAndTheLastMoveSquare) {
    test::EnsureGuiApplication();
    const TSetUpRecord setUp = test::SampleSetUp("45W", 3, 1, 1);
    TBoard board = test::SetUpBoard(setUp);
    board.armyToMove = 2;
    TTurnState turn;
    turn.throwValue = 5;
    turn.lastMove.rank = 4;
    turn.lastMove.file = 4;  // empty, not the Ptah square
    TDisplayOptions options;
    options.backgroundColour = QColor(17, 170, 17);
    options.squareStyle = TSquareStyle::English;
    const TScene scene{&board, &setUp, &turn, PlaceBoard(1000, options.boardStyle), options};
    EXPECT_EQ(TurnPanelInputOf(scene).name, "Osric Vane");
    EXPECT_EQ(TurnPanelInputOf(scene).playerCode, 3);

    const TPictureCatalogue pictures('W');
    QImage image(1000, 700, QImage::Format_ARGB32_Premultiplied);
    {
        QPainter painter(&image);
        PaintScene(painter, pictures, scene, image.rect());
    }
    const int x = scene.origin.x;
    EXPECT_EQ(image.pixelColor(6, 90), QColor(Qt::black));            // army 2's panel
    EXPECT_EQ(image.pixelColor(900, 650), options.backgroundColour);  // erased
    EXPECT_EQ(image.pixelColor(x + 480, 100), options.backgroundColour);
    EXPECT_TRUE(
        test::HoldsPicture(image, x + 410, scene.origin.y + 252,
                           pictures.Picture(SquarePictureId('W', 4, 4, TSquareStyle::English))));
    // A computer to move with a throw: the MOVE button.
    EXPECT_TRUE(test::HoldsPicture(image, 7, 111, pictures.Picture(kMoveButtonUpId)));
}

}  // namespace
}  // namespace vaeloric
