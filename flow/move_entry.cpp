// Move entry on the board: press a piece the throw allows, release it on its
// destination. The rules decide legality; this decides what the user sees.
#include "flow/move_entry.h"

#include "flow/flow_services.h"
#include "flow/flow_texts.h"
#include "flow/game_controller.h"
#include "game/internal_error.h"

namespace vaeloric {

int PieceCursor(const TBoard& board, const TPiece& piece, TDieFace face) {
    std::int32_t kind = piece.kind;
    if (kind == CombinedKing) kind = face == 1 ? King : board.CompanionKind();
    if (IsPawnKind(kind)) return 1002;
    switch (kind) {
        case Queen:
            return 1003;
        case Horse:
            return 1004;
        case Rook:
            return 1005;
        case King:
            return 1006;
        case Bishop:
            return 1009;
        default:
            return kBoardCursor;
    }
}

void TGameController::ShowSquareInformation() {
    const TSquare square = game_.board.pointerSquare;
    game_.turn.lastMove.rank = square.rank;
    game_.turn.lastMove.file = square.file;
}

void TGameController::BoardPress() {
    ShowSquareInformation();
    layer_.DrawInformationPanel();
    if (!ArmyToMoveIsHuman()) return;

    pieceSelected_ = false;
    const TSquare square = game_.board.pointerSquare;
    const TPiece piece = game_.board.GetPiece(square.rank, square.file);
    if (piece.army != game_.board.armyToMove) return;
    if (!ThrowAllowsPiece(game_.board, piece, game_.turn.throwValue)) return;

    pieceSelected_ = true;
    pieceHeld_ = true;
    game_.turn.pressActive = true;
    if (pickUpAllowed_) {
        source_ = square;
        layer_.SetCursor(PieceCursor(game_.board, piece, game_.turn.throwValue));
    }
    pickUpAllowed_ = false;
}

void TGameController::BoardRelease() {
    // A release anywhere ends the hold, so that the next press picks up the
    // piece pressed then, not the one held before. Only the release of the
    // press that picked a piece up is a drop: a selection left from an
    // earlier press (or turn) never moves anything.
    pickUpAllowed_ = true;
    const bool held = pieceHeld_;
    pieceHeld_ = false;
    if (!overBoard_) return;
    layer_.SetCursor(kBoardCursor);
    if (!pieceSelected_ || !held) return;

    TBoard& board = game_.board;
    const TSquare destination = board.pointerSquare;
    if (SquaresEqual(destination, source_)) return;
    const TPiece target = board.GetPiece(destination.rank, destination.file);
    if (target.kind == King || target.kind == CombinedKing) return;

    SquareRecord move = SquareRecord::At(destination);
    if (target.kind != Empty) {
        move.capture = 1;
        move.captured = target;
    }
    const std::int32_t kind = board.GetPiece(source_.rank, source_.file).kind;
    if (kind < HorsePawn || kind > CombinedKing)
        throw TInternalError("Impossible piece kind " + std::to_string(kind) + " in move entry");

    switch (MakeHumanMove(board, source_, move, game_.turn.throwValue, game_.turn.ptahReached)) {
        case TDropResult::Refused:
            return;
        case TDropResult::KingAttacked:
            Box(texts::kCheckRefusal, texts::kCheckRefusalTitle);
            return;
        case TDropResult::Moved:
            break;
    }
    game_.turn.lastMove = move;
    NoteMove(source_, destination);
    AfterMove(destination);
}

void TGameController::RightDown(int x, int y) {
    if (ended_ || !setupDone_) return;
    MouseMove(x, y);
    if (!overBoard_) return;
    ShowSquareInformation();
    layer_.DrawInformationPanel();
    layer_.DrawRulerPanel();
}

}  // namespace vaeloric
