// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace vaeloric {

// A session that ends, or the launcher that asks a game to stop, sends
// SIGTERM. Instead of dying silently the board program treats it as a close
// request of its main window, so the early end reaches the analysis file.
// Call once, after the application object exists.
void InstallTerminationRequest(QObject* parent);

// A main window property: while true, a termination request closes the
// window at once even when a modal dialog is open.
inline constexpr const char* kClosesUnderDialogs = "closesUnderDialogs";

}  // namespace vaeloric
