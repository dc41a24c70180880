// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "game/board.h"
#include "reading/reading_record.h"

namespace vaeloric {

inline constexpr const char* kMoveReadingCaption = "Last move analysis";
inline constexpr std::size_t kMaxReadingCaption = 79;  // an 80-character buffer

// Where the readings are shown; the main window implements it with the
// reading dialog, tests with a recorder.
class TReadingDisplay {
  public:
    virtual ~TReadingDisplay() = default;
    // Shows one reading modally and returns when it is closed.
    virtual void ShowReading(const std::string& caption, const std::string& text) = 0;
    // The wait cursor around a reading.
    virtual void BeginWait() {}
    virtual void EndWait() {}
};

// Keeps the display's wait cursor up for one piece of long work, also when
// it throws.
class TWaitCursor {
  public:
    explicit TWaitCursor(TReadingDisplay& shown) : display_(shown) { display_.BeginWait(); }
    ~TWaitCursor() { display_.EndWait(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;

  private:
    TReadingDisplay& display_;
};

// The control panel's two reading switches as they are at start-up.
struct TReadingSwitches {
    bool move = true;    // "Move": show the last move's reading
    bool whole = false;  // "Whole": show the whole-game judgement
};

// "Whole game analysis - (Significator : Fire Queen )" and the like, from the
// Questioner's army and the board's companion kind.
std::string WholeGameCaption(int questionerArmy, int companionKind);

// The whole-game pass for the move that has just ended on (rank, file): the
// mover is the Questioner when the army to move (not yet advanced) is the
// Questioner's army. Leaves gameText and gameActivation updated. An empty
// square reads as the square alone.
void RunWholeGamePass(TReadingRecord& record, const TBoard& board, int rank, int file);

// After every move: the whole-game pass, then, as the switches ask, the
// whole-game judgement and the move reading shown in that order.
void ShowReadings(TReadingRecord& record, const TBoard& board, int rank, int file,
                  const TReadingSwitches& switches, TReadingDisplay& display);

// Reads the piece on (rank, file) as the omen of a move that has just ended
// there, with the mover the Questioner when the piece is of the Questioner's
// army: the whole-game pass, then the move reading (moveText). Returns false,
// changing nothing, for an empty square.
bool ReadSquareAsLastMove(TReadingRecord& record, const TBoard& board, int rank, int file);

}  // namespace vaeloric
