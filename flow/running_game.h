// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

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
// is empty), with the number of the turn it goes on with; false when it
// could not be written.
bool KeepRunningGame(const TGameSession& game, long nextTurn);

// The turn number a running file carries, 0 for a file without one (any
// other saved game).
long KeptTurn(std::string_view savedGame);

// The game record kept beside a running file, so that a continued game goes
// on with its whole record, and its offer can name the turn.
std::string RunningRecordFile(const std::string& runningPath);

// The network side of a hosted game, kept beside its running file: the
// port, the seat codes and every turn the guests were told.
std::string RunningHostFile(const std::string& runningPath);

// Moves an interrupted game's file and record to this program's running
// file, so that at no moment two files hold the game to be offered twice.
// False when the game's file could not be moved.
bool TakeOverRunningGame(const std::string& from, const std::string& to);

// Removes a running game's file and its record, if there are any.
void ForgetRunningGame(const std::string& path);

// What the offer to continue an interrupted game names.
struct TKeptGame {
    std::string question;  // "(no question)" for a game without one
    char boardLetter = 'W';
    long turn = 0;  // the turn the game goes on with
};

// Reads a running file of this board (any board for kAnyBoard); false when
// it holds no game that could be continued.
bool ReadKeptGame(const std::string& path, char boardLetter, TKeptGame& kept);

// "Continue the interrupted game: Will it rain?, Water board, turn 12"
std::string InterruptedGameOffer(const TKeptGame& kept);

}  // namespace vaeloric
