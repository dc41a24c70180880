// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/turn_cycle.h"

#include "game/dice_rule.h"
#include "game/legal_moves.h"
#include "players/computer_move.h"

namespace vaeloric {

TMissGo TTurnCycle::MissGoTest() const {
    const std::int32_t army = board_.armyToMove;
    if (turn_.checkmated[army] != 0) return TMissGo::Checkmated;
    if (turn_.throwValue == 0 || HasNoLegalMove(board_, turn_.throwValue, army) != 0)
        return TMissGo::DicePrevents;
    return TMissGo::None;
}

TSeat& TTurnCycle::SeatOf(std::int32_t army) const {
    TSeat* placed = placed_.at(army);
    return placed != nullptr ? *placed : SeatOfCode(board_.GetPlayerCode(army));
}

void TTurnCycle::Throw(TDieFace face) {
    turn_.throwValue = face;
    const TMissGo missGo = MissGoTest();
    if (missGo == TMissGo::None) return;
    events_.MissedGo(missGo);
    EndTurn();
}

bool TTurnCycle::ComputerMove() {
    const std::int32_t army = board_.armyToMove;
    SquareRecord destination, origin;
    bool chosen;
    {
        TWaitCursor wait(events_);
        if (board_.GetPlayerCode(army) == kSeerCode) {
            chosen = ChooseSeerMove(board_, turn_.throwValue, army, SeerGameOf(turn_), seerLimits_,
                                    destination, origin);
        } else {
            chosen = ChooseComputerMove(board_, turn_.throwValue, army, destination, origin);
        }
    }
    if (!chosen) return false;
    turn_.lastMove = destination;
    // The piece that arrived tells how it moved: a CombinedKing moving as a
    // King leaves a King on the destination.
    const std::int32_t movedAs = board_.At(destination.rank, destination.file).kind;
    if (BringsQuestionerToPtah(board_, army, movedAs, destination.Square()))
        turn_.ptahReached = true;
    AfterMove(origin.Square(), destination.Square(), true);
    return true;
}

TDropResult TTurnCycle::HumanMove(TSquare source, SquareRecord& move) {
    const TDropResult result =
        MakeHumanMove(board_, source, move, turn_.throwValue, turn_.ptahReached);
    if (result != TDropResult::Moved) return result;
    turn_.lastMove = move;
    AfterMove(source, move.Square(), false);
    return result;
}

void TTurnCycle::AfterMove(TSquare from, TSquare to, bool byComputer) {
    turn_.moveFrom = from;
    turn_.moveTo = to;
    turn_.mover = board_.armyToMove;
    events_.Moved(from, to, byComputer);
    ShowReadings(reading_, board_, to.rank, to.file, events_.Switches(), events_);
    EndTurn();
}

// The end of every turn, moved or lost: the throw is spent, the next army is
// to move and the end-of-game test runs, its checkmate flags stored.
void TTurnCycle::EndTurn() {
    turn_.throwValue = 0;
    board_.armyToMove = NextArmy(board_.armyToMove);
    const TEndOfGameDecision decision = DecideEndOfGame(board_, turn_);
    ApplyEndOfGame(decision, turn_);
    events_.TurnEnded(decision);
}

}  // namespace vaeloric
