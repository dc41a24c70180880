// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "flow/setup_record.h"
#include "game/board.h"

namespace vaeloric {

// The army of each seat 1..4 for the record's Ptah square (seat 1 is
// the Questioner); index 0 unused.
struct TSeatArmies {
    std::int32_t army[5];
};
TSeatArmies SeatArmies(const TSetUpRecord& record);

// Who may take seat 2..4: seats 2 and 4 a human or one of the six
// opponents 2..7, seat 3 a human or the Grandmaster (8) only; the Seer (9)
// any of the three.
inline constexpr std::int32_t kGrandmasterCode = 8;
inline constexpr int kGrandmasterSeat = 3;
bool SeatOffersPlayer(int seat, std::int32_t code);

// Gives every army its player code: the Questioner's army 1 (human), the
// others the codes of seats 2..4 in playing order from the Questioner's.
void AssignSeats(const TSetUpRecord& record, TBoard& board);

}  // namespace vaeloric
