#pragma once

#include <QObject>

namespace vaeloric {

// A session that ends, or the launcher that asks a game to stop, sends
// SIGTERM. Instead of dying silently the board program treats it as a close
// request of its main window, so the early end reaches the analysis file.
// Call once, after the application object exists.
void InstallTerminationRequest(QObject* parent);

}  // namespace vaeloric
