// SPDX-License-Identifier: GPL-3.0-or-later

// What each option choice means to the window.
#include <gtest/gtest.h>

#include "dialogs/option_choices.h"

namespace vaeloric {
namespace {

TEST(OptionChoices, BackgroundColourOfEachButton) {
    const TRgb expected[6] = {{0, 255, 0},   {17, 170, 17},  {255, 255, 255},
                              {255, 160, 0}, {208, 18, 239}, {0, 0, 0}};
    for (int i = 0; i < 6; ++i) {
        TBackgroundColourTransfer transfer;
        SelectButton(transfer.state, i);
        EXPECT_EQ(BackgroundColourOf(transfer), expected[i])
            << kBackgroundColourForm.buttons[i].text;
    }
    EXPECT_EQ(BackgroundColourOf(TBackgroundColourTransfer{}), (TRgb{0, 255, 0}));
    TBackgroundColourTransfer none;
    SelectButton(none.state, -1);
    EXPECT_EQ(BackgroundColourOf(none), (TRgb{0, 255, 0}));
}

TEST(OptionChoices, StartUpMeaningsAndTheOtherButtons) {
    TOptionTransfer options;
    EXPECT_EQ(SquarePictureOffset(options.squareType), 1000);  // "Vaeloric"
    EXPECT_FALSE(SimpleBoardChosen(options.boards));           // "Coloured"
    EXPECT_EQ(PieceSetOffset(options.pieces), 0);              // "gods"
    EXPECT_FALSE(MusicChosenOn(options.music));                // "OFF"
    SelectButton(options.squareType.state, 0);
    SelectButton(options.pieces.state, 1);
    SelectButton(options.music.state, 0);
    EXPECT_EQ(SquarePictureOffset(options.squareType), 0);
    EXPECT_EQ(PieceSetOffset(options.pieces), 200);
    EXPECT_TRUE(MusicChosenOn(options.music));
}

TEST(OptionChoices, BoardShiftsOnlyWhenTheStyleChanges) {
    struct TStep {
        int button;  // 0 Coloured, 1 Simple
        int shift;
        bool coordinatesShown;
    };
    const TStep steps[] = {{0, 0, false},  {1, 5, true},  {1, 0, true},
                           {0, -5, false}, {0, 0, false}, {1, 5, true}};
    bool coordinatesShown = false;
    int origin = 0;
    for (const TStep& step : steps) {
        TBoardsTransfer transfer;
        SelectButton(transfer.state, step.button);
        const int shift = ApplyBoardStyle(transfer, coordinatesShown);
        origin += shift;
        EXPECT_EQ(shift, step.shift);
        EXPECT_EQ(coordinatesShown, step.coordinatesShown);
        EXPECT_EQ(origin, step.coordinatesShown ? 5 : 0);
    }
}

}  // namespace
}  // namespace vaeloric
