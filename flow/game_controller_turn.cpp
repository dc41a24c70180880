// SPDX-License-Identifier: GPL-3.0-or-later

// The controller's side of the turn: the THROW, ENTER and MOVE buttons feed
// the turn cycle, and what the cycle reports is shown in the window.
#include <algorithm>

#include "flow/analysis_file.h"
#include "flow/end_of_game.h"
#include "flow/flow_services.h"
#include "flow/flow_texts.h"
#include "flow/game_controller.h"
#include "flow/running_game.h"
#include "flow/seats.h"
#include "game/check.h"

namespace vaeloric {

bool TGameController::ArmyToMoveIsHuman() const {
    return cycle_.SeatToMove().Kind() == TSeatKind::AtThisScreen;
}

bool TGameController::AwaitsThrow() const {
    return AcceptsInput() && game_.turn.throwValue == 0 && !throwAsked_ &&
           cycle_.SeatToMove().Kind() != TSeatKind::Remote;
}

bool TGameController::AwaitsComputerMove() const {
    return AcceptsInput() && game_.turn.throwValue != 0 &&
           cycle_.SeatToMove().Kind() == TSeatKind::Computer;
}

bool TGameController::TurnButtonsIdle() const {
    return throwAsked_ || ArmyIsRemote(game_.board.armyToMove);
}

void TGameController::Throw() {
    if (!AwaitsThrow()) return;
    if (onThrowWanted) {
        throwAsked_ = true;
        layer_.Invalidate();
        return onThrowWanted(TurnNumber(), 0);
    }
    ThrowFace(static_cast<TDieFace>(dice_() % 6 + 1));
}

void TGameController::Sound(TSound sound) {
    // Under the sound switch, with the music.
    if (musicOn_ && !quiet_) layer_.PlaySound(sound);
}

void TGameController::EnterThrow() {
    if (!AwaitsThrow()) return;
    TDieFace face = 0;  // a dialog closed without OK throws nothing
    if (layer_.RunDiceDialog(diceChoice_)) {
        const TDieFace chosen = diceChoice_.face;
        face = chosen >= 1 && chosen <= 5 ? chosen : 6;
    }
    if (onThrowWanted) {
        if (face == 0) return;  // nothing entered: nothing to ask
        throwAsked_ = true;
        layer_.Invalidate();
        return onThrowWanted(TurnNumber(), face);
    }
    ThrowFace(face);
}

void TGameController::ThrowFace(TDieFace face) {
    CancelHint();
    modified_ = true;
    note_ = {};
    layer_.Invalidate();
    recorder_.Begin(game_.board, static_cast<long>(record_.turns.size()) + 1, face);
    // On a copy: the live board stays exactly as the turn finds it.
    TBoard board = game_.board;
    for (std::int32_t army = 1; army <= 4; ++army)
        checksBefore_[army] = ArmyCheckStatus(board, army);
    if (face != 0) Sound(TSound::Throw);
    thisTurn_ = TPlayedTurn{TurnNumber(), game_.board.armyToMove, face};
    cycle_.Throw(face);
}

void TGameController::MakeComputerMove() {
    if (AwaitsComputerMove()) cycle_.MoveBySeat(static_cast<long>(record_.turns.size()) + 1);
}

void TGameController::MissedGo(TMissGo why) {
    CancelHint();
    recorder_.Missed(why);
    Sound(TSound::MissGo);
    thisTurn_.missed = true;
    if (quiet_) return;
    if (why == TMissGo::Checkmated)
        Box(texts::kCheckmateNotice[game_.board.armyToMove], texts::kMissGoTitle);
    else
        Box(texts::kDicePreventsMoving, texts::kMissGoTitle);
}

void TGameController::Moved(TSquare from, TSquare to, bool byComputer) {
    CancelHint();
    recorder_.Moved(game_.board, game_.turn, from, to);
    thisTurn_.from = from;
    thisTurn_.to = to;
    // A move from another screen travels as a computer's does.
    if ((byComputer || ArmyIsRemote(thisTurn_.army)) && !quiet_) layer_.ShowMove(from, to);
    Sound(game_.turn.lastMove.capture != 0 ? TSound::Capture : TSound::Move);
    modified_ = true;
    layer_.DrawInformationPanel();
}

void TGameController::ShowReading(const std::string& caption, const std::string& text) {
    if (!quiet_) layer_.RunReadingDialog(text, caption);
}

void TGameController::BeginWait() {
    layer_.SetWaitCursor(true);
}

void TGameController::EndWait() {
    layer_.SetWaitCursor(false);
    layer_.SetCursor(kArrowCursor);
}

TReadingSwitches TGameController::Switches() const {
    return TReadingSwitches{moveReading_, wholeReading_};
}

void TGameController::TurnEnded(const TEndOfGameDecision& decision) {
    CancelHint();
    layer_.Invalidate();
    // The other screens hear of the turn before this one's boxes wait.
    TPlayedTurn played = thisTurn_;
    played.gameOver = decision.GameOver();
    played.questionerWon = played.gameOver && decision.QuestionerWon();
    // Nothing picked up during one turn carries over to the next.
    held_ = false;
    RecordTurnEnd(decision, false);
    note_ = {};
    if (decision.GameOver()) {
        Sound(TSound::GameEnd);
    } else if (!record_.turns.empty()) {
        // A check that this turn gave, not one that goes on.
        const auto& now = record_.turns.back().checkStatus;
        for (std::size_t army = 1; army < now.size(); ++army)
            if (now[army] > checksBefore_[army]) {
                Sound(TSound::Check);
                break;
            }
    }
    if (onTurnEnding) onTurnEnding(played);
    // The turn is over: from here on a killed program loses nothing. It is
    // kept before the other screens hear of it, so that none of them hears
    // a turn that a continued game would play again.
    if (!decision.GameOver()) KeepRunning();
    if (onTurnPlayed) onTurnPlayed(played);
    if (decision.GameOver()) {
        Box(decision.Message(), decision.Title());
        EndGame(decision.QuestionerWon());
    } else if (decision.outcome == TEndOfGame::OfferResign && !quiet_ &&
               !ArmyIsRemote(SeatArmies(game_.setup).army[1])) {
        // Only the Questioner's own screen asks: a guest that resigned alone
        // would leave the host's game.
        if (Box(decision.Message(), decision.Title(), TBoxButtons::YesNo) == TBoxAnswer::Yes) {
            RecordTurnEnd(decision, true);
            resigned_ = true;
            EndGame(false);
        }
    }
}

void TGameController::EndGame(bool won) {
    CancelHint();
    if (game_.mode != TStartMode::Demonstration && !WriteAnswerFile(game_, won))
        Box(kAnalysisSaveError, game_.setup.caption);
    ended_ = true;
    ForgetRunningGame(game_.runningPath);
    layer_.DestroyWindow();
}

}  // namespace vaeloric
