// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vaeloric {

// The launcher's entry: one window, the event loop, the exit status.
int RunLauncher(int argc, char** argv);

}  // namespace vaeloric
