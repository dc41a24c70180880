// Stand-ins until the rules, players, readings and files are wired in.
#include "app/flow/flow_services.h"

namespace vaeloric {

bool ThrowAllowsPiece(const TBoard& board, const TPiece& piece, std::int32_t face) {
    if (IsPawnKind(piece.kind)) return face == 1 || face == 6;
    switch (piece.kind) {
        case Queen: return face == 4;
        case Horse: return face == 2;
        case Rook: return face == 5;
        case King: return face == 1;
        case Bishop: return face == 3;
        case CombinedKing: {
            if (face == 1) return true;
            const std::int32_t companion = board.CompanionKind();
            return (companion == Horse && face == 2) || (companion == Bishop && face == 3) ||
                   (companion == Queen && face == 4) || (companion == Rook && face == 5);
        }
        default: return false;
    }
}

TDropResult MakeHumanMove(TBoard& board, TSquare source, SquareRecord& move, std::int32_t,
                          bool&) {
    board.PutPiece(move.rank, move.file, board.GetPiece(source.rank, source.file));
    board.PutPiece(source.rank, source.file, TPiece{});
    return TDropResult::Moved;
}

bool NoLegalMove(TBoard&, std::int32_t face, std::int32_t) { return face == 0; }

void MakeComputerMove(TBoard&, std::int32_t, std::int32_t, SquareRecord&) {}

TEndVerdict DecideEndOfGame(TGameSession&) { return {}; }

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
