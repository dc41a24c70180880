// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

// The event loop of programs without a window, for the transport's sockets
// and timers, so that a headless caller needs no Qt header of its own.

namespace vaeloric::net {

// Makes the program's application object unless it has one.
void EnsureEventLoop();

// Runs events until `done` holds (true) or `milliseconds` pass (false).
bool RunEventsUntil(const std::function<bool()>& done, int milliseconds);

// Runs `what` from the event loop after `milliseconds`.
void RunLater(int milliseconds, std::function<void()> what);

}  // namespace vaeloric::net
