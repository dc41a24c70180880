// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "flow/seat.h"
#include "game/die_face.h"
#include "game/square.h"

namespace vaeloric::sim {

// Armies played elsewhere, for a game whose host runs the turn cycle and
// the dice here: their seats are asked for their throws and moves, and the
// hook hears every turn as it is played.
class TRemoteSeats {
  public:
    virtual ~TRemoteSeats() = default;
    // The seat of an army played elsewhere; nullptr for the others.
    virtual TSeat* SeatOf(std::int32_t army) = 0;
    virtual void Played(long turn, std::int32_t army, TDieFace face, bool missed, TSquare from,
                        TSquare to) = 0;
};

}  // namespace vaeloric::sim
