#include "flow/turn_steps.h"

#include "game/dice_rule.h"
#include "game/legal_moves.h"
#include "players/computer_move.h"

namespace vaeloric {

TMissGo MissGoTest(TBoard& board, const TTurnState& turn) {
    const std::int32_t army = board.armyToMove;
    if (turn.checkmated[army] != 0) return TMissGo::Checkmated;
    if (turn.throwValue == 0 || HasNoLegalMove(board, turn.throwValue, army) != 0)
        return TMissGo::DicePrevents;
    return TMissGo::None;
}

bool ComputerTurn(TBoard& board, TTurnState& turn, SquareRecord& origin) {
    const std::int32_t army = board.armyToMove;
    SquareRecord destination;
    if (!ChooseComputerMove(board, turn.throwValue, army, destination, origin)) return false;
    turn.lastMove = destination;
    // The piece that arrived tells how it moved: a CombinedKing moving as a
    // King leaves a King on the destination.
    const std::int32_t movedAs = board.At(destination.rank, destination.file).kind;
    if (BringsQuestionerToPtah(board, army, movedAs, destination.Square())) turn.ptahReached = true;
    return true;
}

TEndOfGameDecision FinishTurn(TBoard& board, TTurnState& turn) {
    turn.throwValue = 0;
    board.armyToMove = NextArmy(board.armyToMove);
    const TEndOfGameDecision decision = DecideEndOfGame(board, turn);
    ApplyEndOfGame(decision, turn);
    return decision;
}

}  // namespace vaeloric
