// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/die_face.h"
#include "game/square.h"
#include "game/square_record.h"

namespace vaeloric {

// The rules of play shared by the human move entry and the computer players:
// which pieces a die face lets move, and whether a move is legal. The
// legality itself is the one of the legal-move scan (game/legal_scan.h).

// The face that moves a piece of its own kind: pawns 6, Horse 2, Bishop 3,
// Queen 4, Rook 5; 0 for a King, a CombinedKing or an empty square.
constexpr TDieFace FaceOfOwnKind(std::int32_t kind) {
    switch (kind) {
        case HorsePawn:
        case QueenPawn:
        case RookPawn:
        case BishopPawn:
            return 6;
        case Horse:
            return 2;
        case Bishop:
            return 3;
        case Queen:
            return 4;
        case Rook:
            return 5;
        default:
            return 0;
    }
}

// A 1 moves the King (a CombinedKing as a King).
constexpr bool FaceMovesKing(TDieFace face) {
    return face == 1;
}

// The kind a piece of pieceKind moves as on the face, or Empty when the face
// does not let it move. Face 1: pawns (as themselves), King and CombinedKing
// (as King); 2 Horse, 3 Bishop, 4 Queen, 5 Rook, each also a CombinedKing
// whose companion is that kind (as the companion); 6 pawns only.
constexpr std::int32_t MoveKindForFace(std::int32_t companion, TDieFace face,
                                       std::int32_t pieceKind) {
    if (pieceKind == King || pieceKind == CombinedKing) {
        if (FaceMovesKing(face)) return King;
        return pieceKind == CombinedKing && face == FaceOfOwnKind(companion) ? companion : Empty;
    }
    if (IsPawnKind(pieceKind) && face == 1) return pieceKind;
    return face != 0 && face == FaceOfOwnKind(pieceKind) ? pieceKind : Empty;
}

inline std::int32_t MoveKindForFace(const TBoard& board, TDieFace face, std::int32_t pieceKind) {
    return MoveKindForFace(board.CompanionKind(), face, pieceKind);
}

inline bool FaceAllowsKind(const TBoard& board, TDieFace face, std::int32_t pieceKind) {
    return MoveKindForFace(board, face, pieceKind) != Empty;
}

// The face that moves a piece of the kind other than as a King: its own
// kind's face, a CombinedKing's by its companion; 0 for a King or an empty
// square.
inline TDieFace FaceForKind(const TBoard& board, std::int32_t pieceKind) {
    return FaceOfOwnKind(pieceKind == CombinedKing ? board.CompanionKind() : pieceKind);
}

// True when the army's King is attacked; false when the army has no King.
bool KingAttacked(const TBoard& board, std::int32_t army);

// Why a move was refused.
enum class TMoveRefusal : std::int32_t {
    None,          // legal (made, for TryMove)
    NotOwnPiece,   // the origin holds no piece of the army
    FaceForbids,   // the face does not let that piece move
    SameSquare,    // destination equals origin
    OntoKing,      // the destination holds a King or CombinedKing
    NotInList,     // not among the piece's moves
    KingAttacked,  // the move would leave the army's King attacked
};

struct TMoveAttempt {
    TMoveRefusal refusal = TMoveRefusal::None;
    // The destination record as made (capture flag and captured piece from
    // the destination; promotes 0, promotion follows as a step of its own).
    SquareRecord target;
    // The kind the piece moved as: King (8) for a King or a CombinedKing on
    // a 1, else the piece's kind or the CombinedKing's companion kind.
    std::int32_t movedAsKind = Empty;
};

// Tests the move of the army's piece from one square to another on the face
// and, when it is legal (one of the moves of the legal-move scan), makes it:
// MakeMove, or MakeCombinedKingMove with asKing on a 1, then Promote for the
// army (not after a King move). A move among the piece's own moves that the
// scan refuses is refused as KingAttacked. The board is unchanged unless
// refusal is None.
TMoveAttempt TryMove(TBoard& board, std::int32_t army, TDieFace face, TSquare from, TSquare to);

// The same tests; the board is left unchanged.
bool IsLegalMove(TBoard& board, std::int32_t army, TDieFace face, TSquare from, TSquare to);

// True when a move just made by the army, as movedAsKind, to the square
// brings the Questioner's King onto the Ptah square (a King, or a
// CombinedKing moving as a King); the game then notes it for good.
bool BringsQuestionerToPtah(const TBoard& board, std::int32_t army, std::int32_t movedAsKind,
                            TSquare to);

}  // namespace vaeloric
