// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <map>
#include <string>

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

// The environment variable the board program reads it from.
inline constexpr const char* kHostedSeatsVariable = "VAELORIC_HOSTED_SEATS";

}  // namespace vaeloric
