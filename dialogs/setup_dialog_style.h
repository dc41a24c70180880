// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QDialog;
class QGroupBox;
class QPushButton;
class QWidget;

namespace vaeloric {

// The picture OK button (a green tick and "OK") of the set-up dialogs; its
// object name is the control identifier "1". Clicking it asks to accept.
QPushButton* MakeSetupOkButton(QDialog* dialog);

// A dialog of fixed size with a title bar and a close box only, like a
// dialog built from a resource. Call after its layout is set.
void FixDialogFrame(QDialog* dialog);

// Widens a dialog or message box (before it is shown) so that the window
// frame can show its whole title.
void FitToTitle(QWidget* window);

// A shaded group frame with a title.
QGroupBox* MakeSetupGroup(const QString& title, QWidget* parent);

// A message box without an icon and with a single OK button.
void ShowPlainMessage(QWidget* parent, const char* title, const char* text);

// The control identifier as an object name, "326" for 326.
QString ControlName(int id);

}  // namespace vaeloric
