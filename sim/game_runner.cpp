// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/game_runner.h"

#include <random>

#include "flow/record_play.h"
#include "flow/seats.h"
#include "flow/turn_cycle.h"
#include "game/square.h"
#include "reading/show_readings.h"
#include "sim/remote_seats.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

TSetUpRecord GameSetUp(const TGameOptions& options) {
    TSetUpRecord setUp;
    setUp.ptah = options.ptah;
    setUp.boardLetter = options.boardLetter;
    setUp.questionerName = "";
    setUp.caption = kCaptionPrefix;
    for (int seat = 2; seat <= 4; ++seat)
        setUp.seatCode[seat] = PlayerCodeOfLetter(options.seatLetters[seat - 2]);
    return setUp;
}

const char* ResultWord(TGameResult result) {
    switch (result) {
        case TGameResult::Win:
            return "win";
        case TGameResult::Lose:
            return "lose";
        case TGameResult::Unfinished:
            break;
    }
    return "unfinished";
}

namespace {

// A computer player's turns as output lines: the turn number, the army, the
// throw, then "miss" or the move. No reading is shown; the whole-game pass
// still runs after every move.
class TPrintedTurns : public TTurnEvents {
  public:
    TPrintedTurns(TGame& game, const std::function<void(const std::string&)>& sink,
                  TGameRecord* record)
        : game_(game), sink_(sink), record_(record) {}

    void StartTurn(long number, TDieFace face) {
        game_.turns = number;
        line_ = std::to_string(number) + " " + ColourName(game_.board.armyToMove) + " " +
                std::to_string(face) + " ";
        if (record_ != nullptr) recorder_.Begin(game_.board, number, face);
    }

    void MissedGo(TMissGo why) override {
        line_ += "miss";
        if (record_ != nullptr) recorder_.Missed(why);
    }
    void Moved(TSquare from, TSquare to, bool) override {
        ++game_.computerMoves;
        line_ += MoveText(from, to);
        if (record_ != nullptr) recorder_.Moved(game_.board, game_.turn, from, to);
    }
    void ShowReading(const std::string&, const std::string&) override {}
    TReadingSwitches Switches() const override { return TReadingSwitches{false, false}; }
    void TurnEnded(const TEndOfGameDecision& decision) override {
        sink_(line_);
        if (record_ != nullptr) {
            recorder_.Ended(game_.board);
            record_->turns.push_back(recorder_.Turn());
            SetRecordResult(*record_, decision, false);
        }
        // The Questioner's computer player stands in for the human and never
        // resigns.
        if (decision.GameOver())
            game_.result = decision.QuestionerWon() ? TGameResult::Win : TGameResult::Lose;
    }

  private:
    TGame& game_;
    const std::function<void(const std::string&)>& sink_;
    TGameRecord* record_;
    TTurnRecorder recorder_;
    std::string line_;
};

}  // namespace

void SetUpGame(const TGameOptions& options, TGame& game) {
    game.setUp = GameSetUp(options);
    TBoard& board = game.board;
    // Seats first: every piece takes its army's player code when it is made.
    AssignSeats(game.setUp, board);
    board.SetPlayerCode(SeatArmies(game.setUp).army[1], options.questionerCode);
    board.SetUp(game.setUp.ptah, game.setUp.boardLetter);
    game.turn.Reset();
    game.reading.Reset();
    game.result = TGameResult::Unfinished;
    game.turns = 0;
    game.computerMoves = 0;
    game.seerNodes = options.seerNodes;
}

void PlayGame(const TGameOptions& options, TGame& game,
              const std::function<void(const std::string&)>& sink, TGameRecord* record,
              TRemoteSeats* remote) {
    SetUpGame(options, game);
    if (record != nullptr)
        *record = RecordHeader(options.boardLetter, game.board, game.setUp, game.turn, game.reading,
                               false);
    std::minstd_rand dice(options.seed);
    PlayTurns(game, dice, 1, options.turnLimit, sink, record, remote);
    sink(std::string("result: ") + ResultWord(game.result));
}

void PlayTurns(TGame& game, std::minstd_rand& dice, long firstTurn, long turnLimit,
               const std::function<void(const std::string&)>& sink, TGameRecord* record,
               TRemoteSeats* remote) {
    TPrintedTurns printed(game, sink, record);
    TTurnCycle cycle(game.board, game.turn, game.reading, printed);
    TSeerLimits seer;
    seer.nodes = game.seerNodes;
    cycle.SetSeerLimits(seer);
    if (remote != nullptr)
        for (std::int32_t army = 1; army <= 4; ++army) cycle.PlaceSeat(army, remote->SeatOf(army));
    for (long turnNumber = firstTurn;
         turnNumber <= turnLimit && game.result == TGameResult::Unfinished; ++turnNumber) {
        const std::int32_t army = game.board.armyToMove;
        cycle.AwaitThrow(turnNumber);
        const TDieFace face = static_cast<TDieFace>(dice() % 6 + 1);
        printed.StartTurn(turnNumber, face);
        cycle.Throw(face);
        // Without a Miss Go the throw is pending, and the army's seat moves.
        const bool missed = game.turn.throwValue == 0;
        if (!missed) cycle.MoveBySeat(turnNumber);
        if (remote != nullptr)
            remote->Played(turnNumber, army, face, missed, game.turn.moveFrom, game.turn.moveTo);
    }
}

}  // namespace vaeloric::sim
