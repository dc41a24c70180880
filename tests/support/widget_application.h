// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>

namespace vaeloric::test {

// One widget application for dialog and window tests, made by whichever test
// asks first, unless the program already has one. It is never destroyed:
// windows and dialogs that tests leave behind must not outlive it.
inline void EnsureWidgetApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "vaeloric_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

}  // namespace vaeloric::test
