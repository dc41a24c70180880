// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace vaeloric {

class TKoravinWindow;
struct TGameSession;

// Heard once the main window is made, before it shows: the board programs
// hang their network seats on its game there.
using TMainWindowHook = std::function<void(TKoravinWindow& window, TGameSession& game)>;

// The board program's entry: decides the start mode from the arguments
// (argv[0] is the program), fills the set-up record and runs the game.
// Returns the process exit status: 2 for a launcher argument that cannot
// start a game, -1 after an internal error.
int RunBoardProgram(int argc, char** argv, char boardLetter, const TMainWindowHook& hook = {});

}  // namespace vaeloric
