// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "flow/game_record.h"
#include "game/board.h"

namespace vaeloric {

// The record the board program left at `path` when its game ended: its text
// when it is a regular file within the record's size limit, else empty. The
// record is checked when it is replayed, not here, so that the end of a game
// never waits on the computer's moves being played again.
std::string ReadKeptRecord(const std::string& path);

// A game record stepped through turn by turn, read-only: the position after
// every turn, and each turn's throw, move and omen in words.
class TRecordReplay {
  public:
    // Reads and checks the whole record; false, with the reader's one
    // sentence, for a record that is not sound. Nothing is kept then.
    bool Load(std::string_view bytes, std::string& why);

    const TGameRecord& Record() const { return record_; }
    long TurnCount() const { return static_cast<long>(record_.turns.size()); }

    // The turn shown: 0 is the start, TurnCount() the last turn.
    long Shown() const { return shown_; }
    // The position after the shown turn.
    const TBoard& Board() const { return boards_[static_cast<std::size_t>(shown_)]; }

    // Each returns false, nothing changed, for a turn outside the record.
    bool Show(long turn);
    bool First() { return Show(0); }
    bool Previous() { return Show(shown_ - 1); }
    bool Next() { return Show(shown_ + 1); }
    bool Last() { return Show(TurnCount()); }
    bool AtEnd() const { return shown_ == TurnCount(); }

    // "Turn 7, red: threw 3, BH1-E4/split" with the omen's words after it,
    // and "The start" for turn 0.
    std::string TurnText(long turn) const;
    std::string OmenText(long turn) const;  // empty for a Miss Go and the start

  private:
    TGameRecord record_;
    std::vector<TBoard> boards_;
    long shown_ = 0;
};

// How many of the Questioner's moves followed a hint, read from a record's
// text without playing it again; 0 for text that is not a record.
int QuestionerHintCount(std::string_view record);
// The answer page's sentence about them; empty for none.
std::string HintNoteText(int hints);

// The line over the viewer: the question (or that there was none), the
// board and the Ptah square.
std::string ReplayCaption(const TGameRecord& record);

// The sentence that ends a game's record in the viewer: who won and why,
// or that the game was left unfinished.
std::string ReplayResultText(const TGameRecord& record);

}  // namespace vaeloric
