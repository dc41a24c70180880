#include "sim/game_runner.h"

#include <random>

#include "flow/end_of_game.h"
#include "flow/seats.h"
#include "game/dice_rule.h"
#include "game/legal_moves.h"
#include "game/square.h"
#include "players/computer_move.h"
#include "reading/show_readings.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

TSetUpRecord GameSetUp(const TGameOptions& options) {
    TSetUpRecord setUp;
    setUp.status = {static_cast<char>('0' + options.ptahRank),
                    static_cast<char>('0' + options.ptahFile), options.boardLetter};
    setUp.questionerName = "";
    setUp.caption = kCaptionPrefix;
    for (int seat = 2; seat <= 4; ++seat)
        setUp.seatCode[seat] = PlayerCodeOfLetter(options.seatLetters[seat - 2]);
    return setUp;
}

const char* ResultText(TGameResult result) {
    switch (result) {
        case TGameResult::Win:
            return "result: win";
        case TGameResult::Lose:
            return "result: lose";
        case TGameResult::Unfinished:
            break;
    }
    return "result: unfinished";
}

void PlayGame(const TGameOptions& options, TGame& game,
              const std::function<void(const std::string&)>& sink) {
    game.setUp = GameSetUp(options);
    TBoard& board = game.board;
    // Seats first: every piece takes its army's player code when it is made.
    AssignSeats(game.setUp, board);
    board.SetPlayerCode(SeatArmies(game.setUp).army[1], options.questionerCode);
    board.SetUp(game.setUp.status.data());
    game.turn.Reset();
    game.reading.Reset();
    game.result = TGameResult::Unfinished;
    game.turns = 0;
    game.computerMoves = 0;

    std::minstd_rand dice(options.seed);
    for (long turnNumber = 1; turnNumber <= options.turnLimit; ++turnNumber) {
        const std::int32_t army = board.armyToMove;
        const auto face = static_cast<std::int16_t>(dice() % 6 + 1);
        std::string line =
            std::to_string(turnNumber) + " " + ColourName(army) + " " + std::to_string(face) + " ";
        game.turns = turnNumber;
        if (game.turn.checkmated[army] != 0 || HasNoLegalMove(board, face, army)) {
            line += "miss";
        } else {
            SquareRecord destination, origin;
            ChooseComputerMove(board, face, army, destination, origin);
            ++game.computerMoves;
            line += MoveText(origin.Square(), destination.Square());
            game.turn.lastMove = destination;
            // The piece that arrived tells how it moved: a CombinedKing
            // moving as a King leaves a King on the destination.
            const std::int32_t movedAs = board.At(destination.rank, destination.file).kind;
            if (BringsQuestionerToPtah(board, army, movedAs, destination.Square()))
                game.turn.ptahReached = true;
            RunWholeGamePass(game.reading, board, destination.rank, destination.file);
        }
        sink(line);
        board.armyToMove = NextArmy(army);
        const TEndOfGameDecision decision = DecideEndOfGame(board, game.turn);
        ApplyEndOfGame(decision, game.turn);
        if (decision.GameOver()) {
            game.result = decision.QuestionerWon() ? TGameResult::Win : TGameResult::Lose;
            break;
        }
        // The Questioner's computer player stands in for the human and never
        // resigns.
    }
    sink(ResultText(game.result));
}

}  // namespace vaeloric::sim
