// The turn cycle: the three picture buttons, the dice, the Miss Go test, the
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

bool TGameController::OverBoard(int x, int y) const {
    return x >= originX_ && x <= originX_ + kBoardSide && y >= originY_ &&
           y <= originY_ + kBoardSide;
}

TSquare TGameController::SquareAt(int x, int y) const {
    int rank = 8 - (y - originY_) / kSquareSide;
    int file = (x - originX_) / kSquareSide + 1;
    rank = rank < 1 ? 1 : (rank > 8 ? 8 : rank);
    file = file < 1 ? 1 : (file > 8 ? 8 : file);
    return TSquare{rank, file};
}

void TGameController::UpdateButton(const THotRect& rect, bool pressed, bool& over, int upImage,
                                   int downImage, int x, int y) {
    if (rect.Contains(x, y)) {
        if (pressed && !over) layer_.DrawButton(downImage);
        over = true;
    } else {
        if (pressed && over) layer_.DrawButton(upImage);
        over = false;
    }
}

void TGameController::MouseMove(int x, int y) {
    if (ended_ || !setupDone_) return;
    TTurnState& turn = game_.turn;
    if (OverBoard(x, y)) {
        overBoard_ = true;
        turn.overThrow = turn.overEnter = turn.overMove = false;
        if (!turn.pressActive) layer_.SetCursor(kBoardCursor);
        game_.board.pointerSquare = SquareAt(x, y);
        return;
    }
    overBoard_ = false;
    UpdateButton(kThrowRect, turn.throwPressed, turn.overThrow, kThrowUp, kThrowDown, x, y);
    UpdateButton(kEnterRect, turn.enterPressed, turn.overEnter, kEnterUp, kEnterDown, x, y);
    UpdateButton(kMoveRect, turn.movePressed, turn.overMove, kMoveUp, kMoveDown, x, y);
    if (!turn.pressActive) layer_.SetCursor(kArrowCursor);
}

void TGameController::LeftDown(int x, int y) {
    if (ended_ || !setupDone_) return;
    // A press whose release never arrived (the window lost the pointer) is
    // over: it must not act when this press is released.
    ClearPress();
    MouseMove(x, y);
    TTurnState& turn = game_.turn;
    const bool noThrow = turn.throwValue == 0;
    if (turn.overThrow && noThrow) {
        turn.pressActive = turn.throwPressed = true;
        layer_.DrawButton(kThrowDown);
    } else if (turn.overEnter && noThrow) {
        turn.pressActive = turn.enterPressed = true;
        layer_.DrawButton(kEnterDown);
    } else if (turn.overMove && !noThrow && !ArmyToMoveIsHuman()) {
        turn.pressActive = true;
        layer_.DrawButton(kMoveDown);
        turn.movePressed = true;
    } else if (overBoard_) {
        BoardPress();
    }
}

void TGameController::LeftUp(int x, int y) {
    if (ended_ || !setupDone_) return;
    MouseMove(x, y);
    game_.turn.pressActive = false;
    if (ButtonRelease()) return;
    if (ArmyToMoveIsHuman())
        BoardRelease();
    else
        pieceHeld_ = false;
}

void TGameController::ClearPress() {
    TTurnState& turn = game_.turn;
    if (turn.throwPressed && turn.overThrow) layer_.DrawButton(kThrowUp);
    if (turn.enterPressed && turn.overEnter) layer_.DrawButton(kEnterUp);
    if (turn.movePressed && turn.overMove) layer_.DrawButton(kMoveUp);
    turn.throwPressed = turn.enterPressed = turn.movePressed = false;
    turn.pressActive = false;
    pieceHeld_ = false;
}

// The button cases of a release; false when the release is a drop instead.
bool TGameController::ButtonRelease() {
    TTurnState& turn = game_.turn;
    const bool noThrow = turn.throwValue == 0;
    if (turn.throwPressed && turn.overThrow && noThrow) {
        turn.throwPressed = false;
        modified_ = true;
        turn.throwValue = static_cast<TDieFace>(dice_() % 6 + 1);
        layer_.Invalidate();
        MissGoTest();
        return true;
    }
    if (turn.enterPressed && turn.overEnter && noThrow) {
        turn.enterPressed = false;
        modified_ = true;
        if (layer_.RunDiceDialog(diceChoice_)) {
            const TDieFace face = diceChoice_.face;
            turn.throwValue = face >= 1 && face <= 5 ? face : 6;
        }
        layer_.Invalidate();
        MissGoTest();
        return true;
    }
    if (turn.movePressed && !ArmyToMoveIsHuman() && !noThrow && turn.overMove) {
        turn.movePressed = false;
        ComputerMove();
        return true;
    }
    // Released away from the pressed button: the press is cancelled.
    if (turn.throwPressed) layer_.DrawButton(kThrowUp);
    if (turn.enterPressed) layer_.DrawButton(kEnterUp);
    if (turn.movePressed) layer_.DrawButton(kMoveUp);
    turn.throwPressed = turn.enterPressed = turn.movePressed = false;
    return false;
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
    // Nothing chosen during one turn carries over to the next.
    ClearPress();
    pieceSelected_ = false;
    pickUpAllowed_ = true;
    if (decision.GameOver()) {
        Box(decision.Message(), decision.Title());
        EndGame(decision.QuestionerWon());
    } else if (decision.outcome == TEndOfGame::OfferResign) {
        if (Box(decision.Message(), decision.Title(), TBoxButtons::YesNo) == TBoxAnswer::Yes)
            EndGame(false);
    }
}

void TGameController::ComputerMove() {
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
