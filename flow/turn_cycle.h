// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "flow/end_of_game.h"
#include "flow/flow_services.h"
#include "flow/seat.h"
#include "flow/turn_state.h"
#include "game/board.h"
#include "game/square_record.h"
#include "players/seer.h"
#include "reading/reading_record.h"
#include "reading/show_readings.h"

namespace vaeloric {

// Why the army to move loses its turn after the throw.
enum class TMissGo {
    None,          // it moves
    Checkmated,    // its checkmate flag is set
    DicePrevents,  // no legal move for the face thrown, or no throw
};

// What a turn shows as it goes. The board programs show it in the window;
// vaeloric-sim prints it. The readings after a move are shown through the
// reading display, as the switches ask.
class TTurnEvents : public TReadingDisplay {
  public:
    // The army to move loses its turn; the turn ends next.
    virtual void MissedGo(TMissGo why) = 0;
    // A move has been made (board and turn updated), by a computer player or
    // by a human; its readings and the turn's end follow.
    virtual void Moved(TSquare from, TSquare to, bool byComputer) = 0;
    // The turn is over: the next army is to move, and the end-of-game test
    // has decided.
    virtual void TurnEnded(const TEndOfGameDecision& decision) = 0;
    virtual TReadingSwitches Switches() const = 0;
};

// The turn, without a window, for the board programs and vaeloric-sim alike:
// the throw and the Miss Go test, the move (the computer's choice or a
// human's drop), its readings, and the turn's end with the end-of-game test.
class TTurnCycle {
  public:
    TTurnCycle(TBoard& board, TTurnState& turn, TReadingRecord& reading, TTurnEvents& events)
        : board_(board), turn_(turn), reading_(reading), events_(events) {}

    // The throw of the army to move, 1..6 (0: none was made). A Miss Go ends
    // the turn at once; otherwise the throw is pending.
    void Throw(TDieFace face);
    // The computer's move on the pending throw; false, with nothing changed,
    // when the army has no legal move.
    bool ComputerMove();
    // A human's drop of the piece on `source` onto the square of `move` on
    // the pending throw; a move that is made ends the turn.
    TDropResult HumanMove(TSquare source, SquareRecord& move);

    // The seat of an army: the one placed there, else the one its player
    // code stands for.
    TSeat& SeatOf(std::int32_t army) const;
    TSeat& SeatToMove() const { return SeatOf(board_.armyToMove); }
    // Places a seat of the caller's (kept by the caller) for an army, or
    // gives the army back to its player code (nullptr).
    void PlaceSeat(std::int32_t army, TSeat* seat) { placed_.at(army) = seat; }
    // Waits for the throw of the army to move, as its seat asks.
    void AwaitThrow(long turn) { SeatToMove().AwaitThrow(turn, board_.armyToMove); }
    // Asks the seat of the army to move for its move on the pending throw;
    // false while it is still to come.
    bool MoveBySeat(long turn) { return SeatToMove().Move(*this, turn, board_.armyToMove); }

    // What the Seer may spend on a move: by default the node budget of its
    // default level, so that a game is the same on any machine.
    void SetSeerLimits(const TSeerLimits& limits) { seerLimits_ = limits; }
    const TSeerLimits& SeerLimits() const { return seerLimits_; }

  private:
    TMissGo MissGoTest() const;
    void AfterMove(TSquare from, TSquare to, bool byComputer);
    void EndTurn();

    TBoard& board_;
    TTurnState& turn_;
    TReadingRecord& reading_;
    TTurnEvents& events_;
    TSeerLimits seerLimits_ = SeerNodeLimits(kDefaultSeerLevel);
    std::array<TSeat*, 5> placed_{};  // armies 1..4
};

}  // namespace vaeloric
