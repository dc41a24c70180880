// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>

#include "flow/hosted_seats.h"
#include "net/host_state.h"

namespace vaeloric {

class TKoravinWindow;
struct TGameSession;

// The board program of a hosted game: it listens for the guests of the
// seats its launcher invited, tells them the game as it stands and every
// turn as it is played, and hands their throw requests and drops to the
// game, which checks them as it checks this screen's. While a guest is
// away, a bar over the board offers its seat to its computer opponent for
// the rest of the game; the answer then says so.
class TNetworkHost {
  public:
    ~TNetworkHost();
    // Starts hosting on the window's game; false with a sentence when the
    // host's identity or the port fail.
    static std::unique_ptr<TNetworkHost> Start(TKoravinWindow& window, TGameSession& game,
                                               const THostedSeats& seats, std::string& problem);
    // Goes on hosting a game whose host program died, from what it kept
    // beside its running game: the same port, seat codes and turns told,
    // so that its guests come back to it.
    static std::unique_ptr<TNetworkHost> Continue(TKoravinWindow& window, TGameSession& game,
                                                  const net::THostState& kept,
                                                  std::string& problem);

    struct TImpl;

  private:
    static std::unique_ptr<TNetworkHost> Host(TKoravinWindow& window, TGameSession& game,
                                              const THostedSeats& seats,
                                              const net::THostState* resumed, std::string& problem);
    std::unique_ptr<TImpl> impl_;
};

}  // namespace vaeloric
