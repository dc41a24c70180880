// SPDX-License-Identifier: GPL-3.0-or-later

// The controller's hint: asked for after a human army's throw, searched on
// the hint worker's thread, and shown only while the turn it was asked for
// still stands.
#include "flow/game_controller.h"

namespace vaeloric {

TGameController::~TGameController() {
    // The worker's thread must end before the window layer it posts to.
    hintWorker_.reset();
}

void TGameController::SetHintSearch(THintSearch search) {
    CancelHint();
    hintWorker_ = std::make_unique<THintWorker>(std::move(search));
}

bool TGameController::CanAskHint() const {
    return playing_ && AcceptsInput() && game_.turn.throwValue != 0 && ArmyToMoveIsHuman();
}

void TGameController::AskHint() {
    if (!CanAskHint() || hintState_ != THintState::None) return;
    const unsigned long id = ++hintId_;
    hintState_ = THintState::Thinking;
    hintArmy_ = game_.board.armyToMove;
    hintFace_ = game_.turn.throwValue;
    hintTurn_ = record_.turns.size();
    const TSeerGame seer = SeerGameOf(game_.turn);
    std::weak_ptr<int> alive = alive_;
    TWindowLayer* layer = &layer_;
    hintWorker_->Start(game_.board, hintArmy_, hintFace_, seer, hintLimits_,
                       [this, alive, layer, id](const TSeerAnswer& answer) {
                           layer->PostToWindow([this, alive, id, answer] {
                               if (!alive.expired()) HintArrived(id, answer);
                           });
                       });
    layer_.Invalidate();
}

void TGameController::CancelHint() {
    if (hintState_ == THintState::None) return;
    ++hintId_;
    hintState_ = THintState::None;
    hintWorker_->Cancel();
    layer_.Invalidate();
}

void TGameController::HintArrived(unsigned long id, const TSeerAnswer& answer) {
    if (id != hintId_ || hintState_ != THintState::Thinking) return;
    const bool stillThisTurn = CanAskHint() && game_.board.armyToMove == hintArmy_ &&
                               game_.turn.throwValue == hintFace_ &&
                               record_.turns.size() == hintTurn_;
    if (!stillThisTurn || !answer.found) {
        hintState_ = THintState::None;
        layer_.Invalidate();
        return;
    }
    hint_ = answer;
    hintState_ = THintState::Shown;
    recorder_.MarkHint();
    layer_.Invalidate();
}

}  // namespace vaeloric
