// SPDX-License-Identifier: GPL-3.0-or-later

// Writes pictures of the dialogs to look at by eye, when
// VAELORIC_PREVIEW_DIR names a folder. Skipped otherwise.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <cstdlib>

#include "dialogs/dice_dialog.h"
#include "dialogs/game_div_dialog.h"
#include "dialogs/player_settings_dialog.h"
#include "dialogs/ptah_square_dialog.h"
#include "tests/support/widget_application.h"

namespace vaeloric {
namespace {

void Save(QWidget& widget, const QString& folder, const char* name) {
    widget.adjustSize();
    widget.show();
    widget.grab().save(folder + "/" + name + ".png");
    widget.hide();
}

TEST(SetupPreview, WritesPictures) {
    const char* folder = std::getenv("VAELORIC_PREVIEW_DIR");
    if (!folder) GTEST_SKIP() << "set VAELORIC_PREVIEW_DIR to write the pictures";
    test::EnsureWidgetApplication();
    const QString dir = QString::fromLocal8Bit(folder);

    TPtahSquareDialog ptah(nullptr, 'W', TPtahSquareData{1, 2, "Will the harvest be good?"});
    Save(ptah, dir, "dialog_ptah");

    TPlayerSettingsDialog players(nullptr, TPlayerSettingsData{});
    players.findChild<QLineEdit*>("509")->setText("Anna Grey");
    Save(players, dir, "dialog_players");
    players.findChild<QRadioButton*>("501")->click();
    players.findChild<QRadioButton*>("507")->click();
    Save(players, dir, "dialog_players_humans");

    TDiceDialog dice(nullptr, TDiceData{4});
    Save(dice, dir, "dialog_dice");

    std::string text;
    for (int i = 1; i <= 30; ++i)
        text += "Line " + std::to_string(i) +
                ": The Queen of Cups on the square of Netzach speaks of feeling and art.\n";
    TGameDivDialog reading(nullptr, text, "The whole game");
    Save(reading, dir, "dialog_reading");
    reading.ScrollBar()->setValue(5);
    Save(reading, dir, "dialog_reading_scrolled");
}

}  // namespace
}  // namespace vaeloric
