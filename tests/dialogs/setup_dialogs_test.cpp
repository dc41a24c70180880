// SPDX-License-Identifier: GPL-3.0-or-later

// The question, players and dice dialogs as widgets: controls, refusals and
// reopening with the last choice.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include "dialogs/dice_dialog.h"
#include "dialogs/game_div_dialog.h"
#include "dialogs/options_layout.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/ptah_square_dialog.h"
#include "dialogs/setup_dialog_style.h"
#include "tests/support/widget_application.h"

namespace vaeloric {
namespace {

using TMessages = std::vector<std::pair<std::string, std::string>>;

template <typename T>
T* Control(QWidget* dialog, int id) {
    T* control = dialog->findChild<T*>(QString::number(id));
    EXPECT_NE(control, nullptr) << id;
    return control;
}

// Runs `body` on the modal dialog once its event loop is going.
void WhenModal(std::function<void(QWidget*)> body) {
    QTimer::singleShot(0, [body] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        body(dialog);
    });
}

class SetupDialogs : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { test::EnsureWidgetApplication(); }
};

TEST_F(SetupDialogs, PtahSquareRefusesEmptyQuestionThenCorner) {
    TPtahSquareDialog dialog(nullptr, 'W', TPtahSquareData{1, 1, ""});
    TMessages messages;
    dialog.SetMessageSink([&](const char* t, const char* m) { messages.emplace_back(t, m); });
    dialog.accept();
    Control<QLineEdit>(&dialog, 326)->setText("Will it rain?");
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    Control<QRadioButton>(&dialog, 311)->click();  // file B
    dialog.accept();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], TMessages::value_type(kIncompleteFormTitle, kNoQuestionText));
    EXPECT_EQ(messages[1], TMessages::value_type(kInvalidPtahTitle, kCornerPtahText));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle().toStdString(), kPtahTitleWater);
}

TEST_F(SetupDialogs, PtahSquareReopensWithTheLastChoice) {
    TPtahSquareData data;  // A2
    WhenModal([](QWidget* dialog) {
        EXPECT_TRUE(Control<QRadioButton>(dialog, 310)->isChecked());
        EXPECT_TRUE(Control<QRadioButton>(dialog, 319)->isChecked());
        Control<QLineEdit>(dialog, 326)->setText("Shall I move?");
        Control<QRadioButton>(dialog, 314)->click();  // E
        Control<QRadioButton>(dialog, 321)->click();  // 4
        Control<QPushButton>(dialog, 1)->click();
    });
    ASSERT_TRUE(TPtahSquareDialog::Run(nullptr, 'A', data));
    EXPECT_EQ(data.file, 5);
    EXPECT_EQ(data.rank, 4);
    EXPECT_EQ(data.question, "Shall I move?");
    WhenModal([](QWidget* dialog) {
        EXPECT_TRUE(Control<QRadioButton>(dialog, 314)->isChecked());
        EXPECT_TRUE(Control<QRadioButton>(dialog, 321)->isChecked());
        EXPECT_EQ(dialog->windowTitle().toStdString(), kPtahTitleOther);
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(TPtahSquareDialog::Run(nullptr, 'A', data));
    EXPECT_EQ(data.file, 5);
}

TEST_F(SetupDialogs, PlayersShowNameEditsOnlyForHumanSeats) {
    TPlayerSettingsDialog dialog(nullptr, TPlayerSettingsData{});
    auto* edit2 = Control<QLineEdit>(&dialog, 510);
    auto* edit3 = Control<QLineEdit>(&dialog, 557);
    auto* edit4 = Control<QLineEdit>(&dialog, 558);
    auto* label4 = Control<QLabel>(&dialog, 563);
    EXPECT_TRUE(edit2->isHidden());
    EXPECT_FALSE(edit3->isHidden());
    EXPECT_EQ(Control<QLabel>(&dialog, 562)->text(), "Enter name:");
    EXPECT_TRUE(edit4->isHidden());
    EXPECT_EQ(label4->text(), "");

    Control<QRadioButton>(&dialog, 507)->click();  // seat 4 Human
    EXPECT_FALSE(edit4->isHidden());
    EXPECT_EQ(label4->text().toStdString(), kEnterNameLabel);
    Control<QRadioButton>(&dialog, 553)->click();  // seat 4 Dr Aldous Fenn
    EXPECT_TRUE(edit4->isHidden());
    EXPECT_EQ(label4->text(), "");
    EXPECT_EQ(dialog.Data().seatCode[4], 2);
    Control<QRadioButton>(&dialog, 552)->click();  // seat 3 Varro Quillane
    EXPECT_TRUE(edit3->isHidden());
    EXPECT_EQ(dialog.Data().seatCode[3], 8);
}

TEST_F(SetupDialogs, PlayersReopenWithAHumanSeatsEditShown) {
    TPlayerSettingsData data;
    data.seatCode = {0, 0, 1, 8, 6};
    TPlayerSettingsDialog dialog(nullptr, data);
    EXPECT_FALSE(Control<QLineEdit>(&dialog, 510)->isHidden());
    EXPECT_EQ(Control<QLabel>(&dialog, 561)->text().toStdString(), kEnterNameLabel);
    EXPECT_TRUE(Control<QLineEdit>(&dialog, 557)->isHidden());
    EXPECT_FALSE(Control<QRadioButton>(&dialog, 504)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(&dialog, 556)->isChecked());
    EXPECT_EQ(dialog.Data().seatCode, data.seatCode);
    // The name edits start empty whatever was typed before.
    EXPECT_TRUE(Control<QLineEdit>(&dialog, 509)->text().isEmpty());
}

TEST_F(SetupDialogs, PlayersOfferTheSeerInEverySeatWithItsStrength) {
    TPlayerSettingsData data;  // seat 3 human, no Seer
    TPlayerSettingsDialog dialog(nullptr, data);
    auto* level = Control<QComboBox>(&dialog, kSeerLevelChoiceId);
    ASSERT_EQ(level->count(), 3);
    EXPECT_EQ(level->currentText(), "adept");
    EXPECT_FALSE(level->isEnabled());  // no seat has the Seer yet
    const int nameEdits[5] = {0, 0, 510, 557, 558};
    for (const TSeatButton& seer : kSeerButtons) {
        SCOPED_TRACE(seer.seat);
        Control<QRadioButton>(&dialog, seer.controlId)->click();
        EXPECT_EQ(dialog.Data().seatCode[seer.seat], 9);
        EXPECT_TRUE(Control<QLineEdit>(&dialog, nameEdits[seer.seat])->isHidden());
        EXPECT_TRUE(level->isEnabled());
    }
    level->setCurrentIndex(2);
    EXPECT_EQ(dialog.Data().seatCode, (std::array<std::int32_t, 5>{0, 0, 9, 9, 9}));
    EXPECT_EQ(dialog.Data().seerLevel, 2);
    // Another player in seat 3 leaves the other two seats to the Seer.
    Control<QRadioButton>(&dialog, 505)->click();
    EXPECT_EQ(dialog.Data().seatCode, (std::array<std::int32_t, 5>{0, 0, 9, 1, 9}));

    // Reopened with the Seer's choice, the dialog shows it.
    data.seatCode = {0, 0, 4, 9, 9};
    data.seerLevel = 0;
    TPlayerSettingsDialog again(nullptr, data);
    EXPECT_TRUE(Control<QRadioButton>(&again, 571)->isChecked());
    EXPECT_TRUE(Control<QRadioButton>(&again, 572)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(&again, 570)->isChecked());
    EXPECT_EQ(Control<QComboBox>(&again, kSeerLevelChoiceId)->currentText(), "novice");
    EXPECT_EQ(again.Data().seatCode, data.seatCode);
    EXPECT_EQ(again.Data().seerLevel, 0);
}

TEST_F(SetupDialogs, PlayersRefuseMissingNamesAndCutLongOnes) {
    TPlayerSettingsData data;  // seat 3 human
    WhenModal([](QWidget* widget) {
        auto* dialog = static_cast<TPlayerSettingsDialog*>(widget);
        TMessages messages;
        dialog->SetMessageSink([&](const char* t, const char* m) { messages.emplace_back(t, m); });
        Control<QLineEdit>(dialog, 509)->setText(QString(30, 'a'));
        Control<QPushButton>(dialog, 1)->click();  // seat 3 still unnamed
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], TMessages::value_type(kIncompleteFormTitle, kMissingNamesText));
        EXPECT_TRUE(dialog->isVisible());
        Control<QLineEdit>(dialog, 557)->setText("Cy");
        Control<QPushButton>(dialog, 1)->click();
        EXPECT_EQ(messages.size(), 1u);
    });
    ASSERT_TRUE(TPlayerSettingsDialog::Run(nullptr, data));
    EXPECT_EQ(data.names[1], std::string(23, 'a'));
    EXPECT_EQ(data.names[3], "Cy");
}

TEST_F(SetupDialogs, DiceGivesTheChosenFaceAndReopensWithIt) {
    TDiceData data;
    WhenModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Dice  Throw");
        EXPECT_TRUE(Control<QRadioButton>(dialog, 1201)->isChecked());
        Control<QRadioButton>(dialog, 1203)->click();
        Control<QPushButton>(dialog, 1)->click();
    });
    EXPECT_EQ(TDiceDialog::Run(nullptr, data), 3);
    EXPECT_EQ(data.face, 3);
    WhenModal([](QWidget* dialog) {
        EXPECT_TRUE(Control<QRadioButton>(dialog, 1203)->isChecked());
        Control<QRadioButton>(dialog, 1206)->click();
        static_cast<QDialog*>(dialog)->reject();  // closed without OK: no throw
    });
    EXPECT_EQ(TDiceDialog::Run(nullptr, data), 0);
    EXPECT_EQ(data.face, 3);
}

// Reopened with the last face checked, the keyboard starts on that face:
// arrows go on from it and Return enters what is checked, never a face the
// user did not see checked.
TEST_F(SetupDialogs, DiceKeyboardStartsOnTheCheckedFace) {
    const struct {
        int lastFace;
        std::vector<int> keys;
        int entered;
    } cases[] = {
        {3, {Qt::Key_Down}, 4},
        {2, {}, 2},
        {1, {Qt::Key_Down, Qt::Key_Down}, 3},
        {5, {Qt::Key_Up}, 4},
    };
    for (const auto& c : cases) {
        TDiceData data{c.lastFace};
        WhenModal([&c](QWidget* dialog) {
            // The dialog's own focus, whether or not the platform made it
            // the active window.
            EXPECT_EQ(dialog->focusWidget(), Control<QRadioButton>(dialog, 1200 + c.lastFace));
            const auto target = [dialog] {
                return dialog->focusWidget() != nullptr ? dialog->focusWidget() : dialog;
            };
            for (int key : c.keys) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(target(), &press);
            }
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(target(), &enter);
            if (dialog->isVisible()) {
                ADD_FAILURE() << "Return did not close the dialog";
                static_cast<QDialog*>(dialog)->reject();
            }
        });
        EXPECT_EQ(TDiceDialog::Run(nullptr, data), c.entered) << c.lastFace;
    }
}

// The window frame shows the whole title: every dialog and box is at least
// as wide as its title needs.
TEST_F(SetupDialogs, DialogsAndBoxesAreAsWideAsTheirTitles) {
    const auto wide = [](QWidget* window) {
        window->adjustSize();
        return window->width() >= CaptionWidth(window->windowTitle());
    };
    TDiceDialog dice(nullptr, TDiceData{});
    EXPECT_TRUE(wide(&dice));
    TPtahSquareDialog question(nullptr, 'W', TPtahSquareData{1, 2, "q"});
    EXPECT_TRUE(wide(&question));
    WhenModal([&](QWidget* box) {
        EXPECT_EQ(box->windowTitle(), kIncompleteFormTitle);
        EXPECT_TRUE(wide(box));
        box->close();
    });
    ShowPlainMessage(nullptr, kIncompleteFormTitle, kNoQuestionText);
    TGameDivDialog reading(nullptr, "text", "Whole game analysis - Will the harvest be good?");
    EXPECT_TRUE(wide(&reading));
}

}  // namespace
}  // namespace vaeloric
