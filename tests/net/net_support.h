// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <functional>
#include <string>

#include "net/host_identity.h"

namespace vaeloric::test {

inline void EnsureCoreApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "net_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// Runs the event loop until the condition holds or the time is up.
inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > milliseconds) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// One identity for all the tests of a program: making keys takes time.
inline const net::THostIdentity& TestIdentity() {
    static const net::THostIdentity identity = [] {
        net::THostIdentity made;
        std::string problem;
        net::MakeHostIdentity(made, problem);
        return made;
    }();
    return identity;
}

}  // namespace vaeloric::test
