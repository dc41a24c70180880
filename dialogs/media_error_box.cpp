// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/media_error_box.h"

#include <QApplication>
#include <QMessageBox>

namespace vaeloric {

void ShowMediaError(QWidget* owner, const char* text, const char* caption) {
    QApplication::beep();
    QMessageBox::warning(owner, QString::fromUtf8(caption), QString::fromUtf8(text));
}

}  // namespace vaeloric
