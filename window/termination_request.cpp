// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/termination_request.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#if defined(__unix__) || defined(__APPLE__)
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>
#endif

namespace vaeloric {

#if defined(__unix__) || defined(__APPLE__)

namespace {

int wakeSockets[2] = {-1, -1};

// Only async-signal-safe work here: one byte to wake the event loop.
void OnTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeSockets[0], &byte, 1);
}

}  // namespace

void InstallTerminationRequest(QObject* parent) {
    if (wakeSockets[0] != -1 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeSockets) != 0) return;
    auto* notifier = new QSocketNotifier(wakeSockets[1], QSocketNotifier::Read, parent);
    // While a modal dialog runs (a set-up dialog, a reading, a question) the
    // request waits for it to close, as a click on the close box would.
    auto* pending = new QTimer(parent);
    pending->setInterval(200);
    QObject::connect(pending, &QTimer::timeout, parent, [pending] {
        // The main window is the one top-level widget without a parent; its
        // close goes through the same question and analysis as the close box.
        QWidget* main = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->parentWidget() == nullptr && widget->isVisible()) main = widget;
        if (main != nullptr && QApplication::activeModalWidget() != nullptr &&
            !main->property(kClosesUnderDialogs).toBool())
            return;
        pending->stop();
        if (main != nullptr) main->close();
    });
    QObject::connect(notifier, &QSocketNotifier::activated, parent, [pending] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(wakeSockets[1], &byte, 1);
        pending->start();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
}

#else

void InstallTerminationRequest(QObject*) {}

#endif

}  // namespace vaeloric
