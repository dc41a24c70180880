// SPDX-License-Identifier: GPL-3.0-or-later

// The control panel reports each control as its window command.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <memory>
#include <vector>

#include "dialogs/control_panel_dialog.h"
#include "tests/dialogs/options_application.h"

namespace vaeloric {
namespace {

class ControlPanel : public ::testing::Test {
  protected:
    void SetUp() override {
        testing::EnsureWidgetApplication();
        window = std::make_unique<QWidget>();
        window->resize(800, 600);
        panel = new TControlPanelDialog(window.get());
        QObject::connect(panel, &TControlPanelDialog::CommandIssued,
                         [this](int command) { commands.push_back(command); });
        window->show();
    }

    std::unique_ptr<QWidget> window;
    TControlPanelDialog* panel = nullptr;
    std::vector<int> commands;
};

TEST_F(ControlPanel, EachControlSendsItsCommand) {
    const struct {
        int id;
        int command;
    } cases[] = {{1715, 1750}, {1716, 1751}, {1713, 1752}, {1714, 1753}, {1712, 1754}, {1710, 1755},
                 {1711, 1756}, {1720, 1757}, {1721, 1758}, {1717, 1759}, {1718, 1760}};
    for (const auto& c : cases) {
        commands.clear();
        auto* control = qobject_cast<QAbstractButton*>(panel->Control(c.id));
        ASSERT_NE(control, nullptr) << c.id;
        control->click();
        EXPECT_EQ(commands, std::vector<int>{c.command}) << c.id;
    }
}

TEST_F(ControlPanel, ButtonsInTheirOrderDownThePanel) {
    const char* order[] = {"showgod", "square", "boards", "pieces", "color",
                           "sound",   "help",   "save",   "resign"};
    auto buttons = panel->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 9);
    std::sort(buttons.begin(), buttons.end(),
              [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(buttons[i]->text().toStdString(), order[i]);
        // Inside the panel, the whole text visible.
        EXPECT_TRUE(panel->rect().contains(buttons[i]->geometry())) << order[i];
        EXPECT_LE(buttons[i]->fontMetrics().horizontalAdvance(buttons[i]->text()),
                  buttons[i]->width() - 4)
            << order[i];
    }
    EXPECT_LT(panel->Control(1721)->geometry().bottom(), buttons[0]->y() + 1);
}

TEST_F(ControlPanel, ReadingSwitchesShowTheirOwnState) {
    auto* move = static_cast<QCheckBox*>(panel->Control(1720));
    auto* whole = static_cast<QCheckBox*>(panel->Control(1721));
    EXPECT_EQ(move->text(), "Move");
    EXPECT_EQ(whole->text(), "Whole");
    EXPECT_EQ(static_cast<QGroupBox*>(panel->Control(1719))->title(), "Reading");
    EXPECT_TRUE(move->isChecked());
    EXPECT_FALSE(whole->isChecked());
    move->click();
    whole->click();
    whole->click();
    EXPECT_FALSE(move->isChecked());
    EXPECT_FALSE(whole->isChecked());
    EXPECT_EQ(commands, (std::vector<int>{1757, 1758, 1758}));

    commands.clear();
    panel->SetReadingSwitches(true, true);  // the window's own change sends nothing
    EXPECT_TRUE(move->isChecked());
    EXPECT_TRUE(whole->isChecked());
    EXPECT_TRUE(commands.empty());
}

TEST_F(ControlPanel, ColourAndPlaceInTheWindow) {
    // The gap between "sound" and "help" shows the panel's own colour.
    const QImage image = panel->grab().toImage();
    const int gap = (panel->Control(1716)->geometry().bottom() + panel->Control(1712)->y()) / 2;
    EXPECT_EQ(image.pixelColor(image.width() / 2, gap), QColor(224, 160, 16));
    EXPECT_EQ(panel->parentWidget(), window.get());
    EXPECT_TRUE(panel->isVisible());
    // Left edge, below the window's top picture buttons, taller than wide.
    EXPECT_LT(panel->x(), 5);
    EXPECT_GT(panel->y(), 100);
    EXPECT_GT(panel->height(), 3 * panel->width());
}

}  // namespace
}  // namespace vaeloric

namespace vaeloric {
namespace {

// The window underneath sees no click that lands on the panel.
class TClickCounter : public QWidget {
  public:
    int presses = 0;

  protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

TEST(ControlPanelClicks, StayOnThePanel) {
    testing::EnsureWidgetApplication();
    TClickCounter window;
    window.resize(400, 600);
    auto* panel = new TControlPanelDialog(&window);
    window.show();
    const QPointF gap(
        panel->width() / 2.0,
        (panel->Control(1716)->geometry().bottom() + panel->Control(1712)->y()) / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, gap, panel->mapToGlobal(gap), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel, &press);
    EXPECT_EQ(window.presses, 0);
}

}  // namespace
}  // namespace vaeloric
