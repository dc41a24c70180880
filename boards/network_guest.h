// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

#include "net/invitation.h"

namespace vaeloric {

class TKoravinWindow;
struct TGameSession;

// A guest's board program: it takes its seat with the invitation, shows the
// host's game as the host plays it, and asks the host for its own army's
// throws and moves. A lost line shows "Connection lost — reconnecting…" and
// the same invitation takes the seat again.
class TNetworkGuest {
  public:
    ~TNetworkGuest();
    // Joins before the game is set up: the host's game becomes the one this
    // program loads. Null with a sentence when the seat cannot be taken.
    static std::unique_ptr<TNetworkGuest> Join(TKoravinWindow& window, TGameSession& game,
                                               const net::TInvitation& invitation,
                                               std::string& problem);

    struct TImpl;

  private:
    std::unique_ptr<TImpl> impl_;
};

// The text shown while the line to the host is down.
inline constexpr const char* kReconnectingText = "Connection lost \u2014 reconnecting\u2026";

}  // namespace vaeloric
