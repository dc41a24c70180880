#include "sim/game_runner.h"

#include <random>

#include "flow/seats.h"
#include "flow/turn_steps.h"
#include "game/square.h"
#include "reading/show_readings.h"
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

void PlayGame(const TGameOptions& options, TGame& game,
              const std::function<void(const std::string&)>& sink) {
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

    std::minstd_rand dice(options.seed);
    for (long turnNumber = 1; turnNumber <= options.turnLimit; ++turnNumber) {
        const std::int32_t army = board.armyToMove;
        game.turn.throwValue = static_cast<TDieFace>(dice() % 6 + 1);
        std::string line = std::to_string(turnNumber) + " " + ColourName(army) + " " +
                           std::to_string(game.turn.throwValue) + " ";
        game.turns = turnNumber;
        SquareRecord origin;
        if (MissGoTest(board, game.turn) != TMissGo::None) {
            line += "miss";
        } else {
            ComputerTurn(board, game.turn, origin);
            ++game.computerMoves;
            const SquareRecord& destination = game.turn.lastMove;
            line += MoveText(origin.Square(), destination.Square());
            RunWholeGamePass(game.reading, board, destination.rank, destination.file);
        }
        sink(line);
        const TEndOfGameDecision decision = FinishTurn(board, game.turn);
        if (decision.GameOver()) {
            game.result = decision.QuestionerWon() ? TGameResult::Win : TGameResult::Lose;
            break;
        }
        // The Questioner's computer player stands in for the human and never
        // resigns.
    }
    sink(std::string("result: ") + ResultWord(game.result));
}

}  // namespace vaeloric::sim
