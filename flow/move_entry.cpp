// SPDX-License-Identifier: GPL-3.0-or-later

// Move entry on the board: pick up a piece the throw allows, drop it on its
// destination. The rules decide legality; this decides what the user sees.
#include "flow/flow_services.h"
#include "flow/flow_texts.h"
#include "flow/game_controller.h"
#include "game/dice_rule.h"
#include "game/internal_error.h"
#include "game/piece_moves.h"

namespace vaeloric {

void TGameController::ShowSquareInformation(TSquare square) {
    game_.turn.lastMove.rank = square.rank;
    game_.turn.lastMove.file = square.file;
    layer_.DrawInformationPanel();
}

void TGameController::ShowSquare(TSquare square) {
    if (!AcceptsInput()) return;
    ShowSquareInformation(square);
    layer_.DrawRulerPanel();
}

bool TGameController::PickUp(TSquare square) {
    held_ = false;
    heldMoves_ = {};
    note_ = {};
    if (!AcceptsInput()) return false;
    ShowSquareInformation(square);
    if (!ArmyToMoveIsHuman()) return false;

    TBoard& board = game_.board;
    const TDieFace face = game_.turn.throwValue;
    const TPiece piece = board.GetPiece(square.rank, square.file);
    const bool allowed = piece.army == board.armyToMove && ThrowAllowsPiece(board, piece, face);
    if (allowed) heldMoves_ = PieceDestinations(board, board.armyToMove, face, square);
    note_ = PickUpNoteFor(board, square, face, heldMoves_);
    if (!allowed) return false;
    held_ = true;
    source_ = square;
    return true;
}

TPickUpNote TGameController::PickUpNote() const {
    if (note_.army != game_.board.armyToMove || note_.face != game_.turn.throwValue || ended_)
        return {};
    return note_;
}

std::int32_t TGameController::HeldMoveKind() const {
    if (!held_) return Empty;
    return MoveKindForFace(game_.board, game_.turn.throwValue,
                           game_.board.GetPiece(source_.rank, source_.file).kind);
}

void TGameController::Drop(std::optional<TSquare> square) {
    // Only the release of the press that picked a piece up is a drop, and
    // it ends the hold wherever it lands: the next press picks up afresh.
    const bool held = held_;
    held_ = false;
    if (!held || !square || !AcceptsInput() || !ArmyToMoveIsHuman()) return;

    TBoard& board = game_.board;
    const TSquare destination = *square;
    if (SquaresEqual(destination, source_)) return;
    const TPiece target = board.GetPiece(destination.rank, destination.file);
    if (target.kind == King || target.kind == CombinedKing) return;

    SquareRecord move = SquareRecord::Onto(destination, target);
    const std::int32_t kind = board.GetPiece(source_.rank, source_.file).kind;
    if (kind < HorsePawn || kind > CombinedKing)
        throw TInternalError("Impossible piece kind " + std::to_string(kind) + " in move entry");

    // On a guest's screen the host makes the move, or refuses it.
    if (onDropWanted) return onDropWanted(TurnNumber(), source_, destination);
    // A move that is made ends the turn, with its readings.
    if (cycle_.HumanMove(source_, move) == TDropResult::KingAttacked)
        Box(texts::kCheckRefusal, texts::kCheckRefusalTitle);
}

}  // namespace vaeloric
