// The flow's calls into the rules and the computer players, and stand-ins
// for the readings and files until they are wired in.
#include "app/flow/flow_services.h"

#include "game/dice_rule.h"
#include "players/computer_move.h"
#include "players/legal_moves.h"

namespace vaeloric {

bool ThrowAllowsPiece(const TBoard& board, const TPiece& piece, std::int32_t face) {
    if (face < 1 || face > 6 || piece.kind == Empty) return false;
    return FaceAllowsKind(board, face, piece.kind);
}

TDropResult MakeHumanMove(TBoard& board, TSquare source, SquareRecord& move, std::int32_t face,
                          bool& ptahReached) {
    const std::int32_t army = board.armyToMove;
    const TMoveAttempt attempt = TryMove(board, army, face, source, move.Square());
    switch (attempt.refusal) {
        case TMoveRefusal::None: break;
        case TMoveRefusal::KingAttacked: return TDropResult::KingAttacked;
        default: return TDropResult::Refused;
    }
    move = attempt.target;
    if (attempt.movedAsKind == King && army == board.questionerArmy &&
        move.rank == board.ptahRank && move.file == board.ptahFile)
        ptahReached = true;
    return TDropResult::Moved;
}

bool NoLegalMove(TBoard& board, std::int32_t face, std::int32_t army) {
    return HasNoLegalMove(board, static_cast<std::int16_t>(face), army) != 0;
}

void MakeComputerMove(TBoard& board, std::int32_t face, std::int32_t army, SquareRecord& lastMove) {
    SquareRecord origin;
    SquareRecord destination;
    if (ChooseComputerMove(board, static_cast<std::int16_t>(face), army, destination, origin))
        lastMove = destination;
}

void RunReadings(TGameSession& game, TSquare, bool moveSwitch, bool wholeSwitch, TWindowLayer& layer) {
    if (wholeSwitch) layer.RunReadingDialog(game.reading.gameText, "Whole game analysis");
    if (moveSwitch) layer.RunReadingDialog(game.reading.moveText, "Last move analysis");
}

bool WriteAnswerFile(const TGameSession&, bool) { return true; }
bool WriteUnfinishedFile(const TGameSession&) { return true; }
bool WriteCancelledFile() { return true; }

bool WriteGameFile(const std::string&, const TGameSession&) { return true; }
TLoadResult LoadGameFile(const std::string&, TGameSession&) { return {TLoadResult::CannotOpen, {}}; }

}  // namespace vaeloric
