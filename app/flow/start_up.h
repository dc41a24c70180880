#pragma once

namespace vaeloric {

// The board program's entry: decides the start mode from the arguments after
// the program name, fills the set-up record and runs the game. Returns the
// process exit status.
int RunBoardProgram(int argumentCount, const char* const* arguments, char boardLetter);

}  // namespace vaeloric
