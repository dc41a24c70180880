// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace vaeloric::net {

// What a guest needs to take a seat: where the host listens, the seat, its
// one-time code and the fingerprint of the host's certificate. Written as
//   vaeloric://HOST:PORT/SEAT/CODE?sha256=FINGERPRINT
// which is both the text to send and the link the launcher opens.
struct TInvitation {
    std::string host;  // a name or an address; IPv6 in brackets in the text
    std::uint16_t port = 0;
    int seat = 0;
    std::string code;
    std::string fingerprint;
};

std::string InvitationText(const TInvitation& invitation);

// Reads an invitation (surrounding blanks are ignored); false with a
// sentence for anything else.
bool ParseInvitation(const std::string& text, TInvitation& invitation, std::string& problem);

// A new seat code from the system's secure random source.
std::string NewSeatCode();

}  // namespace vaeloric::net
