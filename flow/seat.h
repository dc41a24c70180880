// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vaeloric {

class TTurnCycle;

// Who plays an army: a person at this screen, a computer profile, or a
// person at another screen whose throws and drops come over the network.
enum class TSeatKind { AtThisScreen, Computer, Remote };

// The turn cycle asks the seat of the army to move for its throw and for
// its move; nothing else needs to know who sits there.
class TSeat {
  public:
    virtual ~TSeat() = default;
    virtual TSeatKind Kind() const = 0;
    // Returns when the seat's player has asked for the throw of turn `turn`
    // (a person at this screen throws with the window's buttons instead).
    virtual void AwaitThrow(long turn, std::int32_t army) = 0;
    // Makes the move on the pending throw through the cycle; false, with
    // nothing changed, while the move is the player's drop still to come (or
    // the army has no legal move).
    virtual bool Move(TTurnCycle& cycle, long turn, std::int32_t army) = 0;
};

// A person at this screen: throws with THROW or ENTER, moves by dropping.
class TSeatAtThisScreen final : public TSeat {
  public:
    TSeatKind Kind() const override { return TSeatKind::AtThisScreen; }
    void AwaitThrow(long, std::int32_t) override {}
    bool Move(TTurnCycle&, long, std::int32_t) override { return false; }
};

// A computer profile: the player code on the army's pieces chooses the move.
class TComputerSeat final : public TSeat {
  public:
    TSeatKind Kind() const override { return TSeatKind::Computer; }
    void AwaitThrow(long, std::int32_t) override {}
    bool Move(TTurnCycle& cycle, long turn, std::int32_t army) override;
};

// The seat a player code stands for when nobody has placed another there:
// the human code a person at this screen, every other code a computer.
TSeat& SeatOfCode(std::int32_t code);

}  // namespace vaeloric
