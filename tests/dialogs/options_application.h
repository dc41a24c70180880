// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "tests/support/widget_application.h"

namespace vaeloric::testing {

using test::EnsureWidgetApplication;

// Runs `act` on the modal dialog once it is up (for the Run...Dialog calls,
// which block in the dialog's own event loop).
inline void WhenModalShows(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal != nullptr) act(modal);
    });
}

}  // namespace vaeloric::testing
