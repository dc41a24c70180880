// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "flow/seats.h"

namespace vaeloric {

// What a launcher that hosts a game tells its board program: the port to
// listen on and, for each seat 2..4 played from another screen, the seat's
// one-time code. Passed as one line, "PORT SEAT=CODE SEAT=CODE".
struct THostedSeats {
    std::uint16_t port = 0;
    std::map<int, std::string> codes;  // seat -> code
};

std::string FormatHostedSeats(const THostedSeats& seats);
// False for anything but a port 1..65535 and one to three distinct seats
// 2..4, each with a code of letters and digits.
bool ParseHostedSeats(const std::string& text, THostedSeats& seats);

// The computer opponent that takes over a seat whose guest was lost: the
// one the question page offers first for that seat.
std::int32_t HandOverCode(int seat);

// The sentence the analysis file ends with when seats changed hands, for
// each seat the turn from which its computer opponent played it.
std::string HandOverNote(const std::map<int, long>& handedOver, const TSeatArmies& armies);

// The environment variable the board program reads it from.
inline constexpr const char* kHostedSeatsVariable = "VAELORIC_HOSTED_SEATS";

}  // namespace vaeloric
