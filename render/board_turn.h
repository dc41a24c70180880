// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/board.h"

namespace vaeloric {

// The quarter turns (0..3, clockwise) that bring the army's starting corner
// to the bottom of the screen, its pieces behind its pawns, on a board set
// up for this Ptah square and board letter.
int QuarterTurnsBringingArmyDown(TSquare ptah, char boardLetter, std::int32_t army);

}  // namespace vaeloric
