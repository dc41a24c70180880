// SPDX-License-Identifier: GPL-3.0-or-later

// The flow's calls into the rules, the computer players, the readings and
// the files.
#include "flow/flow_services.h"

#include <cctype>
#include <memory>

#include "flow/analysis_file.h"
#include "flow/game_record.h"
#include "flow/record_play.h"
#include "flow/saved_game_texts.h"
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
    return WriteGameAnswer(game.setup, game.reading, won, Demonstration(game), AnalysisFilePath(),
                           true, game.answerNote) != TAnalysisWrite::Failed;
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

namespace {

bool IsRecordPath(const std::string& path) {
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) return false;
    std::string extension = path.substr(dot + 1);
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == kRecordExtension;
}

// A game record goes on from the position its last turn left, as a saved
// game of that position would.
TLoadResult LoadRecordFile(const std::string& path, TGameSession& game) {
    TGameRecord record;
    auto end = std::make_unique<TRecordPosition>();
    const TRecordReadResult read = ReadRecordFile(path, record, end.get());
    TLoadResult result;
    if (!read.ok) {
        result.outcome = TLoadOutcome::Damaged;
        result.message = read.message;
    } else if (record.boardLetter != game.boardLetter) {
        result.outcome = TLoadOutcome::WrongBoard;
        result.message = WrongBoardMessage(record.boardLetter, game.boardLetter);
    }
    if (!result.Loaded()) {
        result.title = kIncorrectFileTitle;
        return result;
    }
    game.setup = end->setUp;
    game.board = end->board;
    game.turn.Reset();
    game.turn.checkmated = end->turn.checkmated;
    game.turn.ptahReached = end->turn.ptahReached;
    game.reading = end->reading;
    result.activationsRestored = true;
    return result;
}

}  // namespace

TLoadResult LoadGameFile(const std::string& path, TGameSession& game) {
    if (IsRecordPath(path)) return LoadRecordFile(path, game);
    // The loader assigns the seats and composes the game text itself.
    return LoadSavedGame(path, game.boardLetter, game.board, game.setup, game.turn, game.reading);
}

}  // namespace vaeloric
