// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/seats.h"

#include "players/opponent_profiles.h"
#include "players/seer.h"

namespace vaeloric {

TSeatArmies SeatArmies(const TSetUpRecord& record) {
    TSeatArmies seats{};
    seats.army[1] = QuadrantArmy(record.ptah);
    for (int seat = 2; seat <= 4; ++seat) seats.army[seat] = NextArmy(seats.army[seat - 1]);
    return seats;
}

bool SeatOffersPlayer(int seat, std::int32_t code) {
    if (seat < 2 || seat > 4) return false;
    if (code == Human || code == kSeerCode) return true;
    if (seat == kGrandmasterSeat) return code == kGrandmasterCode;
    return IsComputerCode(code) && code != kGrandmasterCode;
}

void AssignSeats(const TSetUpRecord& record, TBoard& board) {
    const TSeatArmies seats = SeatArmies(record);
    board.SetPlayerCode(seats.army[1], Human);
    for (int seat = 2; seat <= 4; ++seat)
        board.SetPlayerCode(seats.army[seat], record.seatCode[seat]);
}

}  // namespace vaeloric
