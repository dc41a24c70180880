// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/pick_up_note.h"

#include "game/dice_rule.h"

namespace vaeloric {

TPickUpNote PickUpNoteFor(const TBoard& board, TSquare square, TDieFace face,
                          const TPieceDestinations& destinations) {
    TPickUpNote note;
    note.army = board.armyToMove;
    note.face = face;
    if (!OnBoard(square.rank, square.file)) return {};
    const TPiece& piece = board.GetPiece(square.rank, square.file);
    if (piece.kind == Empty) return {};
    if (piece.army != board.armyToMove) {
        note.first = "Not its";
        note.second = "turn";
        return note;
    }
    if (face < 1 || face > 6) {
        note.first = "Throw";
        note.second = "first";
        return note;
    }
    if (FaceAllowsKind(board, face, piece.kind)) {
        if (destinations.count > 0) return {};
        note.first = "No move";
        note.second = "for it";
        return note;
    }
    // The faces that would let this piece move.
    const TDieFace own = FaceForKind(board, piece.kind);
    const bool onOne = piece.kind == King || piece.kind == CombinedKing || IsPawnKind(piece.kind);
    note.first = "Needs";
    if (onOne && own != 0 && own != 1)
        note.second = "1 or " + std::to_string(own);
    else
        note.second = "a " + std::to_string(onOne ? 1 : own);
    return note;
}

}  // namespace vaeloric
