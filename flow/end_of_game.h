// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "flow/turn_state.h"
#include "game/board.h"

namespace vaeloric {

// The texts of the end of a game; the window shows them as they are.
inline constexpr const char* kGameOverTitle = "GAME OVER";
inline constexpr const char* kYouWinText = "you win!";
inline constexpr const char* kYouLoseText = "you lose!";
inline constexpr const char* kDoubleCheckmateWinText = "Double Checkmate - you win!";
inline constexpr const char* kDoubleCheckmateLoseText = "Double Checkmate - you lose!";
inline constexpr const char* kResignQuestionText =
    "It is unlikely that you will win from this position.\n\nDo you want to resign?";
inline constexpr const char* kResignQuestionTitle = "";

enum class TEndOfGame {
    GoesOn,               // nothing to say, play goes on
    PtahWin,              // the Questioner's King held the Ptah square
    PtahLoss,             // the Questioner's King was attacked on the Ptah square
    DoubleCheckmateWin,   // both armies of the other side are checkmated
    DoubleCheckmateLoss,  // both armies of the Questioner's side are checkmated
    OfferResign,          // ask the Questioner whether to resign (Yes ends it lost)
};

struct TEndOfGameDecision {
    TEndOfGame outcome = TEndOfGame::GoesOn;
    // When set, the checkmate flags to store in the turn state (armies 1..4).
    // The Ptah rule decides before the flags are looked at, so they stay as
    // they were then.
    bool flagsRefreshed = false;
    std::array<std::int32_t, 5> checkmated{0, 0, 0, 0, 0};

    bool GameOver() const {
        return outcome != TEndOfGame::GoesOn && outcome != TEndOfGame::OfferResign;
    }
    // Won by the Questioner; meaningful when GameOver().
    bool QuestionerWon() const {
        return outcome == TEndOfGame::PtahWin || outcome == TEndOfGame::DoubleCheckmateWin;
    }
    // The "GAME OVER" notice, or the resign question; nullptr while play goes on.
    const char* Message() const;
    const char* Title() const;
};

// The test after every move and every lost turn, with the army to move
// already advanced. Leaves the board as it found it; the caller stores the
// refreshed flags (ApplyEndOfGame) and shows the message.
TEndOfGameDecision DecideEndOfGame(const TBoard& board, const TTurnState& state);

// Stores the refreshed checkmate flags of a decision in the turn state.
void ApplyEndOfGame(const TEndOfGameDecision& decision, TTurnState& state);

}  // namespace vaeloric
