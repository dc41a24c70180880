// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vaeloric {

// Makes the board window's drawn parts objects a screen reader can walk
// and press: the 64 squares (rank, file, piece and marks) and the turn
// panel's THROW, ENTER and MOVE buttons. Installed once per program.
void InstallBoardAccessibility();

}  // namespace vaeloric
