// The turn cycle: the throw, the dice dialog, the Miss Go test, the
// computer's move and the end-of-game test.
#include "flow/analysis_file.h"
#include "flow/end_of_game.h"
#include "flow/flow_services.h"
#include "flow/flow_texts.h"
#include "flow/game_controller.h"
#include "flow/turn_steps.h"

namespace vaeloric {

bool TGameController::ArmyToMoveIsHuman() const {
    return game_.board.GetPlayerCode(game_.board.armyToMove) == Human;
}

bool TGameController::AwaitsThrow() const {
    return AcceptsInput() && game_.turn.throwValue == 0;
}

bool TGameController::AwaitsComputerMove() const {
    return AcceptsInput() && game_.turn.throwValue != 0 && !ArmyToMoveIsHuman();
}

void TGameController::Throw() {
    if (!AwaitsThrow()) return;
    modified_ = true;
    game_.turn.throwValue = static_cast<TDieFace>(dice_() % 6 + 1);
    layer_.Invalidate();
    MissGoTest();
}

void TGameController::EnterThrow() {
    if (!AwaitsThrow()) return;
    modified_ = true;
    if (layer_.RunDiceDialog(diceChoice_)) {
        const TDieFace face = diceChoice_.face;
        game_.turn.throwValue = face >= 1 && face <= 5 ? face : 6;
    }
    layer_.Invalidate();
    MissGoTest();
}

void TGameController::MissGoTest() {
    switch (vaeloric::MissGoTest(game_.board, game_.turn)) {
        case TMissGo::Checkmated:
            Box(texts::kCheckmateNotice[game_.board.armyToMove], texts::kMissGoTitle);
            EndTurn();
            break;
        case TMissGo::DicePrevents:
            Box(texts::kDicePreventsMoving, texts::kMissGoTitle);
            EndTurn();
            break;
        case TMissGo::None:
            break;
    }
}

// The turn's end as FinishTurn runs it, then what the window shows of it.
void TGameController::EndTurn() {
    const TEndOfGameDecision decision = FinishTurn(game_.board, game_.turn);
    layer_.Invalidate();
    // Nothing picked up during one turn carries over to the next.
    held_ = false;
    if (decision.GameOver()) {
        Box(decision.Message(), decision.Title());
        EndGame(decision.QuestionerWon());
    } else if (decision.outcome == TEndOfGame::OfferResign) {
        if (Box(decision.Message(), decision.Title(), TBoxButtons::YesNo) == TBoxAnswer::Yes)
            EndGame(false);
    }
}

void TGameController::MakeComputerMove() {
    if (!AwaitsComputerMove()) return;
    layer_.SetWaitCursor(true);
    SquareRecord origin;
    ComputerTurn(game_.board, game_.turn, origin);
    layer_.SetWaitCursor(false);
    layer_.SetCursor(kArrowCursor);
    const TSquare from = origin.Square();
    const TSquare to = game_.turn.lastMove.Square();
    NoteMove(from, to);
    layer_.ShowMove(from, to);
    AfterMove(to);
}

void TGameController::NoteMove(TSquare from, TSquare to) {
    game_.turn.moveFrom = from;
    game_.turn.moveTo = to;
    game_.turn.mover = game_.board.armyToMove;
}

void TGameController::AfterMove(TSquare destination) {
    modified_ = true;
    layer_.DrawInformationPanel();
    RunReadings(game_, destination, moveReading_, wholeReading_, layer_);
    EndTurn();
}

void TGameController::EndGame(bool won) {
    if (game_.mode != TStartMode::Demonstration && !WriteAnswerFile(game_, won))
        Box(kAnalysisSaveError, game_.setup.caption);
    ended_ = true;
    layer_.DestroyWindow();
}

}  // namespace vaeloric
