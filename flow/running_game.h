// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "flow/game_session.h"

namespace vaeloric {

// A game in play is kept on disk after every turn, one file per running
// board program, in the user's state folder, so that a program killed or
// crashed loses nothing: its next reload offers the game. A game that ends
// or is closed normally leaves no file behind.

// The folder of the running games: vaeloric/running in the user's state
// folder.
std::string RunningGamesFolder();

// The file of the running game of a board program with this process number.
std::string RunningGameFile(char boardLetter, long long processId);

// Writes the game to its running file (game.runningPath; nothing when that
// is empty); false when it could not be written.
bool KeepRunningGame(const TGameSession& game);

// Removes a running game's file, if there is one.
void ForgetRunningGame(const std::string& path);

// The question of the game kept in a running file, for the offer to
// continue it; empty when the file is not a game of this board.
std::string InterruptedGameQuestion(const std::string& path, char boardLetter);

}  // namespace vaeloric
