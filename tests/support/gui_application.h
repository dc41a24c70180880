// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGuiApplication>

namespace vaeloric::test {

// One application object for painting tests, made by whichever test asks
// first, unless the program already has one.
inline void EnsureGuiApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "vaeloric_tests";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace vaeloric::test
