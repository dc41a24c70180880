// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/event_loop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

namespace vaeloric::net {

void EnsureEventLoop() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "vaeloric";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

bool RunEventsUntil(const std::function<bool()>& done, int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    // Sleeps until something happens (a frame, a timer); the single shot
    // wakes it at the deadline.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(milliseconds);
    QEventLoop loop;
    while (!done()) {
        if (deadline.hasExpired()) return false;
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

}  // namespace vaeloric::net
