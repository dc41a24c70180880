// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/seat.h"

#include "flow/setup_record.h"
#include "flow/turn_cycle.h"

namespace vaeloric {

bool TComputerSeat::Move(TTurnCycle& cycle, long, std::int32_t) {
    return cycle.ComputerMove();
}

TSeat& SeatOfCode(std::int32_t code) {
    // Seats hold no state of their own: one of each serves every game.
    static TSeatAtThisScreen person;
    static TComputerSeat computer;
    if (code == Human) return person;
    return computer;
}

}  // namespace vaeloric
