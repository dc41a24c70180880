#include "flow/seats.h"

namespace vaeloric {

TSeatArmies SeatArmies(const TSetUpRecord& record) {
    const bool low = record.status[0] < '5';
    const bool left = record.status[1] < '5';
    const std::int32_t questioner = low ? (left ? 2 : 1) : (left ? 3 : 4);
    TSeatArmies seats{};
    seats.army[1] = questioner;
    for (int seat = 2; seat <= 4; ++seat) seats.army[seat] = NextArmy(seats.army[seat - 1]);
    return seats;
}

bool SeatOffersPlayer(int seat, std::int32_t code) {
    if (seat < 2 || seat > 4) return false;
    if (code == Human) return true;
    if (seat == kGrandmasterSeat) return code == kGrandmasterCode;
    return code >= 2 && code < kGrandmasterCode;
}

void AssignSeats(const TSetUpRecord& record, TBoard& board) {
    const TSeatArmies seats = SeatArmies(record);
    board.SetPlayerCode(seats.army[1], Human);
    for (int seat = 2; seat <= 4; ++seat)
        board.SetPlayerCode(seats.army[seat], record.seatCode[seat]);
}

}  // namespace vaeloric
