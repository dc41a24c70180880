#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/square.h"
#include "game/square_record.h"

namespace vaeloric {

// The rules of play shared by the human move entry and the computer players:
// which pieces a die face lets move, and whether a move is legal.

// The kind a piece of pieceKind moves as on the face, or Empty when the face
// does not let it move. Face 1: pawns (as themselves), King and CombinedKing
// (as King); 2 Horse, 3 Bishop, 4 Queen, 5 Rook, each also a CombinedKing
// whose companion is that kind (as the companion); 6 pawns only.
std::int32_t MoveKindForFace(const TBoard& board, std::int32_t face, std::int32_t pieceKind);

inline bool FaceAllowsKind(const TBoard& board, std::int32_t face, std::int32_t pieceKind) {
    return MoveKindForFace(board, face, pieceKind) != Empty;
}

// The face that moves a piece of the kind other than as a King: pawns 6,
// Queen 4, Horse 2, Rook 5, Bishop 3, CombinedKing by its companion; 0 for a
// King or an empty square.
std::int32_t FaceForKind(const TBoard& board, std::int32_t pieceKind);

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
// and, when it is legal, makes it: MakeMove, or MakeCombinedKingMove with
// asKing on a 1, then Promote for the army (not after a King move). A move
// that would leave the King attacked is made, found out and taken back. The
// board is unchanged unless refusal is None.
TMoveAttempt TryMove(TBoard& board, std::int32_t army, std::int32_t face, TSquare from, TSquare to);

// The same tests; the board is left unchanged.
bool IsLegalMove(TBoard& board, std::int32_t army, std::int32_t face, TSquare from, TSquare to);

// True when a move just made by the army, as movedAsKind, to the square
// brings the Questioner's King onto the Ptah square (a King, or a
// CombinedKing moving as a King); the game then notes it for good.
bool BringsQuestionerToPtah(const TBoard& board, std::int32_t army, std::int32_t movedAsKind, TSquare to);

}  // namespace vaeloric
