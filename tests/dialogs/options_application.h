#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace vaeloric::testing {

// One widget application for the whole test program, whoever asks first.
inline void EnsureWidgetApplication() {
    if (QCoreApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "dialogs_tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// Runs `act` on the modal dialog once it is up (for the Run...Dialog calls,
// which block in the dialog's own event loop).
inline void WhenModalShows(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr) act(modal);
    });
}

}  // namespace vaeloric::testing
