// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/end_of_game.h"

#include "game/check.h"
#include "game/dice_rule.h"

namespace vaeloric {

namespace {

// Within one step of the Ptah square; an army without a King is not.
bool NearPtah(const TBoard& board, std::int32_t army) {
    const int distance = KingDistanceToPtah(board, army);
    return distance >= 0 && distance <= 1;
}

}  // namespace

const char* TEndOfGameDecision::Message() const {
    switch (outcome) {
        case TEndOfGame::PtahWin:
            return kYouWinText;
        case TEndOfGame::PtahLoss:
            return kYouLoseText;
        case TEndOfGame::DoubleCheckmateWin:
            return kDoubleCheckmateWinText;
        case TEndOfGame::DoubleCheckmateLoss:
            return kDoubleCheckmateLoseText;
        case TEndOfGame::OfferResign:
            return kResignQuestionText;
        case TEndOfGame::GoesOn:
            break;
    }
    return nullptr;
}

const char* TEndOfGameDecision::Title() const {
    if (outcome == TEndOfGame::GoesOn) return nullptr;
    return outcome == TEndOfGame::OfferResign ? kResignQuestionTitle : kGameOverTitle;
}

TEndOfGameDecision DecideEndOfGame(const TBoard& original, const TTurnState& state) {
    // The rules test by trial changes that they take back; work on a copy so
    // that the caller's board is never touched.
    TBoard board = original;
    const std::int32_t questioner = board.questionerArmy;
    TEndOfGameDecision decision;
    decision.checkmated = state.checkmated;

    if (state.ptahReached) {
        if (KingAttacked(board, questioner)) {
            decision.outcome = TEndOfGame::PtahLoss;
            return decision;
        }
        if (board.armyToMove == questioner) {
            decision.outcome = TEndOfGame::PtahWin;
            return decision;
        }
    }

    decision.flagsRefreshed = true;
    for (std::int32_t army = 1; army <= 4; ++army) {
        decision.checkmated[army] = ArmyCheckStatus(board, army) == kCheckmated ? 1 : 0;
    }
    const bool questionerOnEvenSide = questioner == 2 || questioner == 4;
    if (decision.checkmated[1] && decision.checkmated[3]) {
        decision.outcome =
            questionerOnEvenSide ? TEndOfGame::DoubleCheckmateWin : TEndOfGame::DoubleCheckmateLoss;
        return decision;
    }
    if (decision.checkmated[2] && decision.checkmated[4]) {
        decision.outcome =
            questionerOnEvenSide ? TEndOfGame::DoubleCheckmateLoss : TEndOfGame::DoubleCheckmateWin;
        return decision;
    }

    const std::int32_t after = NextArmy(questioner);
    const std::int32_t before = PreviousArmy(questioner);
    if (board.armyToMove == after && (NearPtah(board, after) || NearPtah(board, before))) {
        decision.outcome = TEndOfGame::OfferResign;
    }
    return decision;
}

void ApplyEndOfGame(const TEndOfGameDecision& decision, TTurnState& state) {
    if (decision.flagsRefreshed) state.checkmated = decision.checkmated;
}

}  // namespace vaeloric
