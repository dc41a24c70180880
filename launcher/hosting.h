// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "flow/hosted_seats.h"
#include "net/invitation.h"

namespace vaeloric {

// A game this launcher hosts: where its board program listens, the seats
// played from other screens with their one-time codes, and the invitation
// of each, which carries the fingerprint of the host's certificate.
struct THostedGame {
    THostedSeats seats;
    std::vector<net::TInvitation> invitations;
};

// Readies a hosted game for `remoteSeats`: the host's identity from
// `identityFolder` (made there on first use), a free port, a new code per
// seat and the address guests reach this machine at (VAELORIC_HOST_ADDRESS
// when set, else the first address of a network interface that is up, else
// the loopback). False with a sentence when the identity or port fail.
bool PrepareHostedGame(const std::vector<int>& remoteSeats, const std::string& identityFolder,
                       THostedGame& game, std::string& problem);

// The hosted game kept beside a running game whose board program died
// (`runningPath`), as its invitations: the same port and seat codes, with the
// fingerprint of the identity in `identityFolder`. False when it was no
// hosted game or its network side cannot be read.
bool ContinuedHostedGame(const std::string& runningPath, const std::string& identityFolder,
                         THostedGame& game);

// The invitation as a short text to copy and send; it ends with the same
// invitation as a link.
std::string InvitationMessage(const net::TInvitation& invitation);

// Reads an invitation a player pasted: the link alone or the text above
// (with or without its link). False with one sentence saying what is wrong.
bool ReadInvitation(const std::string& pasted, net::TInvitation& invitation, std::string& problem);

}  // namespace vaeloric
