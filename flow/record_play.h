// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

#include "flow/game_record.h"
#include "flow/setup_record.h"
#include "flow/turn_cycle.h"
#include "flow/turn_state.h"
#include "game/board.h"
#include "reading/reading_record.h"

namespace vaeloric {

// Builds a turn's entry of the record from what the turn cycle reports. The
// programs that play call it from their own turn events.
class TTurnRecorder {
  public:
    // A new turn of the army to move, with its throw (0: none).
    void Begin(const TBoard& board, long number, TDieFace face);
    void Missed(TMissGo why) { turn_.miss = why; }
    // The army to move was shown a hint before it moved.
    void MarkHint() { turn_.hinted = true; }
    // Called right after the move is made, before the armies advance: the
    // board and turn state already show it.
    void Moved(const TBoard& board, const TTurnState& turn, TSquare from, TSquare to);
    // After the turn's end: the checks and checkmates it left.
    void Ended(TBoard& board);

    const TRecordTurn& Turn() const { return turn_; }

  private:
    TRecordTurn turn_;
};

// The key words of the omen of the move that has just ended on `to` (the
// names of the move reading's correspondences), computed whether or not the
// reading is shown. The game's own reading record is not touched.
std::string OmenWords(const TBoard& board, TSquare to);

// The live records of a game.
struct TRecordPosition {
    TBoard board;
    TSetUpRecord setUp;
    TTurnState turn;
    TReadingRecord reading;
};

// The header of a record for a game about to be played or continued from
// the live records; `start` is true when the position is not the set-up.
TGameRecord RecordHeader(char boardLetter, const TBoard& board, const TSetUpRecord& setUp,
                         const TTurnState& turn, const TReadingRecord& reading, bool start);

// The record to keep for a game just loaded: the record at hand (its bytes,
// possibly empty) when it is sound, unfinished and leads exactly to the
// loaded position, so that it goes on; otherwise a new record that starts
// from the loaded position.
bool RecordLeadsTo(std::string_view recordAtHand, char boardLetter, const TBoard& board,
                   const TSetUpRecord& setUp, const TTurnState& turn, const TReadingRecord& reading,
                   TGameRecord& record);
TGameRecord ContinuedRecord(std::string_view recordAtHand, char boardLetter, const TBoard& board,
                            const TSetUpRecord& setUp, const TTurnState& turn,
                            const TReadingRecord& reading);

// The caption of the game a header describes.
std::string RecordCaption(const TGameRecord& header);

// Sets up the position a record's header describes: the board's set-up, or
// its start position. False, with a sentence, when the start position is
// unsound or does not agree with the other tags.
bool SetUpRecordPosition(const TGameRecord& header, TRecordPosition& game, std::string& why);

// Plays the turns of a record one by one on the rules, as the programs would
// have played them.
class TRecordPlayer : private TTurnEvents {
  public:
    explicit TRecordPlayer(TRecordPosition& game)
        : game_(game), cycle_(game.board, game.turn, game.reading, *this) {}

    // Plays `wanted` (its throw, and its move for a person's army) and fills
    // `made` with the turn the rules make of it. False, with a sentence and
    // nothing else reliable, when the throw, the move or the computer's
    // choice disagrees with the rules.
    bool Play(const TRecordTurn& wanted, TRecordTurn& made, std::string& why);

    long TurnsPlayed() const { return played_; }
    // The last turn's end-of-game decision.
    const TEndOfGameDecision& LastDecision() const { return decision_; }

  private:
    void MissedGo(TMissGo why) override { recorder_.Missed(why); }
    void Moved(TSquare from, TSquare to, bool) override {
        recorder_.Moved(game_.board, game_.turn, from, to);
    }
    void ShowReading(const std::string&, const std::string&) override {}
    TReadingSwitches Switches() const override { return TReadingSwitches{false, false}; }
    void TurnEnded(const TEndOfGameDecision& decision) override {
        decision_ = decision;
        ended_ = true;
    }

    TRecordPosition& game_;
    TTurnCycle cycle_;
    TTurnRecorder recorder_;
    TEndOfGameDecision decision_;
    bool ended_ = false;
    long played_ = 0;
};

// The result and reason of a game whose last turn ended with `decision`;
// `resigned` when the Questioner then gave up.
void SetRecordResult(TGameRecord& record, const TEndOfGameDecision& decision, bool resigned);

}  // namespace vaeloric
