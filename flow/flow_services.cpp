// SPDX-License-Identifier: GPL-3.0-or-later

// The flow's calls into the rules, the computer players, the readings and
// the files.
#include "flow/flow_services.h"

#include "flow/analysis_file.h"
#include "game/dice_rule.h"
#include "reading/show_readings.h"

namespace vaeloric {

bool ThrowAllowsPiece(const TBoard& board, const TPiece& piece, TDieFace face) {
    if (face < 1 || face > 6 || piece.kind == Empty) return false;
    return FaceAllowsKind(board, face, piece.kind);
}

TDropResult MakeHumanMove(TBoard& board, TSquare source, SquareRecord& move, TDieFace face,
                          bool& ptahReached) {
    const std::int32_t army = board.armyToMove;
    const TMoveAttempt attempt = TryMove(board, army, face, source, move.Square());
    switch (attempt.refusal) {
        case TMoveRefusal::None:
            break;
        case TMoveRefusal::KingAttacked:
            return TDropResult::KingAttacked;
        default:
            return TDropResult::Refused;
    }
    move = attempt.target;
    if (BringsQuestionerToPtah(board, army, attempt.movedAsKind, move.Square())) ptahReached = true;
    return TDropResult::Moved;
}

namespace {

bool Demonstration(const TGameSession& game) {
    return game.mode == TStartMode::Demonstration;
}

}  // namespace

bool WriteAnswerFile(const TGameSession& game, bool won) {
    return WriteGameAnswer(game.setup, game.reading, won, Demonstration(game)) !=
           TAnalysisWrite::Failed;
}

bool WriteUnfinishedFile(const TGameSession& game) {
    return WriteUnfinishedGame(game.reading, Demonstration(game)) != TAnalysisWrite::Failed;
}

bool WriteCancelledFile() {
    return WriteCancelledAnalysis() != TAnalysisWrite::Failed;
}

TSaveResult WriteGameFile(const std::string& path, const TGameSession& game) {
    return WriteSavedGame(path, game.boardLetter, game.board, game.setup, game.turn, game.reading);
}

TLoadResult LoadGameFile(const std::string& path, TGameSession& game) {
    // The loader assigns the seats and composes the game text itself.
    return LoadSavedGame(path, game.boardLetter, game.board, game.setup, game.turn, game.reading);
}

}  // namespace vaeloric
