// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "flow/game_controller.h"
#include "flow/record_play.h"

namespace vaeloric {

inline constexpr const char* kMoveListStartEntry = "Start";
inline constexpr const char* kMissGoEntry = "Miss Go";
inline constexpr const char* kBackToGameText = "Back to the game";

// One line of the move list: a turn of the record as the list shows it.
struct TMoveListEntry {
    long number = 0;
    std::int32_t army = 0;
    TDieFace face = 0;      // 0: no throw
    std::string move;       // the record's move, or kMissGoEntry
    std::string omen;       // the first key word of the omen; empty for a Miss Go
    std::string omenWords;  // all of them
    bool hinted = false;    // played after the Seer's hint
};

// The move list beside the board: the turns of the game's record, and a past
// position shown read-only. While one is shown the game takes no input, so
// that nothing can be played on a position that is not the game's.
class TTurnList {
  public:
    explicit TTurnList(TGameController& controller) : controller_(controller) {}

    std::vector<TMoveListEntry> Entries() const;
    long TurnCount() const { return static_cast<long>(controller_.Record().turns.size()); }

    // Shows the position after `turn` (0: the start); the last turn is the
    // game itself and leaves viewing. False, nothing changed, for a turn
    // outside the record.
    bool View(long turn);
    void BackToGame();
    // Home, End and the arrows in the list: from the shown turn, or from the
    // game's last turn when none is shown.
    void First() { View(0); }
    void Last() { BackToGame(); }
    void Previous() { View(ShownTurn() - 1); }
    void Next() { View(ShownTurn() + 1); }

    bool Viewing() const { return viewed_ != nullptr; }
    // The turn shown: the viewed one, or the game's last.
    long ShownTurn() const { return Viewing() ? viewedTurn_ : TurnCount(); }
    // The position shown while viewing; nullptr otherwise.
    const TRecordPosition* ViewedPosition() const { return viewed_.get(); }
    // "Viewing turn N" ("Viewing the start" for turn 0); empty when not viewing.
    std::string Banner() const;

  private:
    TGameController& controller_;
    std::unique_ptr<TRecordPosition> viewed_;
    long viewedTurn_ = 0;
};

// The die face as a picture character (U+2680..U+2685), "-" for none.
std::string DieFaceText(TDieFace face);

}  // namespace vaeloric
