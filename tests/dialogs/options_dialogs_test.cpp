// SPDX-License-Identifier: GPL-3.0-or-later

// The five option dialogs: what they show, and how choices travel.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <memory>
#include <string>

#include "dialogs/option_dialogs.h"
#include "tests/dialogs/options_application.h"

namespace vaeloric {
namespace {

class OptionDialogs : public ::testing::Test {
  protected:
    void SetUp() override { testing::EnsureWidgetApplication(); }
};

struct TExpected {
    std::unique_ptr<TRadioOptionDialog> dialog;
    const char* caption;
    const char* group;
    std::vector<std::pair<int, std::string>> buttons;
    int checkedAtStart;
};

TEST_F(OptionDialogs, CaptionsButtonsAndStartUpChoice) {
    const TOptionTransfer startUp;
    TExpected cases[] = {
        {std::make_unique<TBackgroundColourDialog>(nullptr, startUp.backgroundColour),
         "Background colour",
         "Select background colour",
         {{525, "Light green"},
          {526, "Dark green"},
          {527, "White"},
          {528, "Orange"},
          {529, "Purple"},
          {530, "Black"}},
         525},
        {std::make_unique<TSquareTypeDialog>(nullptr, startUp.squareType),
         "Square display style",
         "Select square display style",
         {{512, "English"}, {513, "Vaeloric"}},
         513},
        {std::make_unique<TBoardsDialog>(nullptr, startUp.boards),
         "Board style",
         "Select board Style",
         {{514, "Coloured"}, {515, "Simple (with board coordinates)"}},
         514},
        {std::make_unique<TPiecesDialog>(nullptr, startUp.pieces),
         "Piece style",
         "Select piece style",
         {{517, "gods"}, {516, "symbolic"}},
         517},
        {std::make_unique<TMusicDialog>(nullptr, startUp.music),
         "Background music",
         "Background music",
         {{518, "ON"}, {519, "OFF"}},
         519},
    };
    for (TExpected& c : cases) {
        SCOPED_TRACE(c.caption);
        TRadioOptionDialog& dialog = *c.dialog;
        EXPECT_EQ(dialog.windowTitle().toStdString(), c.caption);
        const auto* group = dialog.findChild<QGroupBox*>();
        ASSERT_NE(group, nullptr);
        EXPECT_EQ(group->title().toStdString(), c.group);
        const auto radios = dialog.findChildren<QRadioButton*>();
        ASSERT_EQ(radios.size(), static_cast<qsizetype>(c.buttons.size()));
        for (std::size_t i = 0; i < c.buttons.size(); ++i) {
            const QRadioButton* button = dialog.Button(static_cast<int>(i));
            EXPECT_EQ(button->objectName().toInt(), c.buttons[i].first);
            EXPECT_EQ(button->text().toStdString(), c.buttons[i].second);
            EXPECT_EQ(button->isChecked(), c.buttons[i].first == c.checkedAtStart);
        }
        const auto* ok = dialog.findChild<QPushButton*>("1");
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->text(), "OK");
        EXPECT_TRUE(ok->isDefault());
        // Nothing is cut off: every button's text fits its width.
        dialog.show();
        for (const QRadioButton* button : radios) {
            EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
        }
    }
}

TEST_F(OptionDialogs, ChoiceIsWrittenBackOnOkAndReopensAsChosen) {
    TBackgroundColourTransfer transfer;
    testing::WhenModalShows([](QWidget* dialog) {
        dialog->findChild<QRadioButton*>("529")->click();
        dialog->findChild<QPushButton*>("1")->click();
    });
    EXPECT_TRUE(RunBackgroundColourDialog(nullptr, transfer));
    EXPECT_EQ(BackgroundColourOf(transfer), (TRgb{208, 18, 239}));

    bool purpleShown = false;
    testing::WhenModalShows([&purpleShown](QWidget* dialog) {
        purpleShown = dialog->findChild<QRadioButton*>("529")->isChecked();
        dialog->findChild<QPushButton*>("1")->click();
    });
    EXPECT_TRUE(RunBackgroundColourDialog(nullptr, transfer));
    EXPECT_TRUE(purpleShown);
    EXPECT_EQ(SelectedButton(transfer.state, -1), 4);
}

TEST_F(OptionDialogs, ClosingWithoutOkChangesNothing) {
    TMusicTransfer transfer;
    testing::WhenModalShows([](QWidget* dialog) {
        dialog->findChild<QRadioButton*>("518")->click();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(dialog, &escape);
    });
    EXPECT_FALSE(RunMusicDialog(nullptr, transfer));
    EXPECT_FALSE(MusicChosenOn(transfer));
}

TEST_F(OptionDialogs, EachRunnerWritesItsOwnRecord) {
    TOptionTransfer options;
    auto pickSecond = [] {
        testing::WhenModalShows([](QWidget* dialog) {
            static_cast<TRadioOptionDialog*>(dialog)->Button(1)->click();
            dialog->findChild<QPushButton*>("1")->click();
        });
    };
    pickSecond();
    EXPECT_TRUE(RunSquareTypeDialog(nullptr, options.squareType));
    pickSecond();
    EXPECT_TRUE(RunBoardsDialog(nullptr, options.boards));
    pickSecond();
    EXPECT_TRUE(RunPiecesDialog(nullptr, options.pieces));
    testing::WhenModalShows([](QWidget* dialog) {
        static_cast<TRadioOptionDialog*>(dialog)->Button(0)->click();
        dialog->findChild<QPushButton*>("1")->click();
    });
    EXPECT_TRUE(RunMusicDialog(nullptr, options.music));
    EXPECT_EQ(SquarePictureOffset(options.squareType), 1000);  // second is "Vaeloric" again
    EXPECT_TRUE(SimpleBoardChosen(options.boards));
    EXPECT_EQ(PieceSetOffset(options.pieces), 200);
    EXPECT_TRUE(MusicChosenOn(options.music));
}

TEST_F(OptionDialogs, RecordWithSeveralOnShowsTheFirst) {
    TBackgroundColourTransfer transfer;
    transfer.state[3] = 1;  // Light green and Orange both on
    TBackgroundColourDialog dialog(nullptr, transfer);
    EXPECT_TRUE(dialog.Button(0)->isChecked());
    EXPECT_FALSE(dialog.Button(3)->isChecked());
    const TBackgroundColourTransfer read = dialog.Transfer();
    EXPECT_EQ(read.state[0] + read.state[3], 1);
}

}  // namespace
}  // namespace vaeloric
