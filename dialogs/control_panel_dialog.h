// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFrame>

#include "dialogs/control_panel_commands.h"

class QCheckBox;
class QAbstractButton;

namespace vaeloric {

// The narrow column of controls inside the main window: the two reading
// switches and nine buttons. It only reports what was pressed, as a command
// number of control_panel_commands.h; the main window acts on it.
class TControlPanelDialog : public QFrame {
    Q_OBJECT

  public:
    // A child of the main window's client widget, placed at its spot there.
    explicit TControlPanelDialog(QWidget* parent);

    // Shows the window's reading switches (the boxes toggle themselves when
    // clicked; this is for a window that changes a switch on its own).
    void SetReadingSwitches(bool moveReading, bool wholeReading);

    // The control with this identifier (a check box, button or the group box).
    QWidget* Control(int id) const;

    // Moves the panel to its place in its parent, in its own dialog units.
    void PlaceInParent();

    // Sizes the panel and its font for the window's zoom (1 is its own
    // size) and places it again.
    void SetScale(double scale);

  signals:
    // A control was pressed: 1750..1760.
    void CommandIssued(int command);
};

}  // namespace vaeloric
