// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "flow/command_line.h"
#include "flow/setup_record.h"
#include "flow/turn_state.h"
#include "game/board.h"
#include "reading/reading_record.h"

namespace vaeloric {

// The one game of a board program: the board, who plays and what was asked,
// the turn, and the readings. Lives as long as the process; a set-up or a
// load reinitialises it in place.
struct TGameSession {
    TBoard board;
    TSetUpRecord setup;
    TTurnState turn;
    TReadingRecord reading;
    TStartMode mode = TStartMode::Demonstration;
    char boardLetter = 'W';
    // Reload mode: the saved game to try before the open dialog, if any.
    std::string reloadPath;
    // Where the game in play is kept after every turn (none when empty), and
    // the file of an interrupted game that a reload offers to continue.
    std::string runningPath;
    std::string interruptedPath;
    // What the answer ends with besides the readings (a host's note of the
    // seats its computer opponents took over); empty for nothing.
    std::string answerNote;
};

}  // namespace vaeloric
