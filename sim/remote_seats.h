// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "flow/turn_cycle.h"
#include "game/square.h"

namespace vaeloric::sim {

// Armies played elsewhere, for a game whose host runs the turn cycle and
// the dice here: the hook is asked for their throws and moves and hears
// every turn as it is played.
class TRemoteSeats {
  public:
    virtual ~TRemoteSeats() = default;
    virtual bool Plays(std::int32_t army) const = 0;
    // Returns when the army's player has asked for its throw (or is gone).
    virtual void AwaitThrow(long turn, std::int32_t army) = 0;
    // Makes the army's move on the pending throw through the cycle; false,
    // with nothing changed, leaves the move to the computer player.
    virtual bool Move(TTurnCycle& cycle, long turn, std::int32_t army, TDieFace face) = 0;
    virtual void Played(long turn, std::int32_t army, TDieFace face, bool missed, TSquare from,
                        TSquare to) = 0;
};

}  // namespace vaeloric::sim
