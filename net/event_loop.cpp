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
    if (done()) return true;
    const QDeadlineTimer deadline(milliseconds);
    QEventLoop loop;
    QTimer look;
    // Sockets wake the loop; the timer looks at the condition between them.
    QObject::connect(&look, &QTimer::timeout, &loop, [&]() {
        if (done() || deadline.hasExpired()) loop.quit();
    });
    look.start(2);
    loop.exec();
    return done();
}

}  // namespace vaeloric::net
