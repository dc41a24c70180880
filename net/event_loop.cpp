// SPDX-License-Identifier: GPL-3.0-or-later

#include "net/event_loop.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

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
    wake.setTimerType(Qt::PreciseTimer);
    QEventLoop loop;
    while (!done()) {
        if (deadline.hasExpired()) return false;
        // A timer may go off a little early: it is set again for what is
        // left, or the wait would have nothing left to end it.
        if (!wake.isActive()) wake.start(std::max<qint64>(1, deadline.remainingTime()));
        loop.processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void RunLater(int milliseconds, std::function<void()> what) {
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), std::move(what));
}

}  // namespace vaeloric::net
