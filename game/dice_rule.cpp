#include "game/dice_rule.h"

#include "game/check.h"
#include "game/make_move.h"
#include "game/moves.h"
#include "game/rules_common.h"

namespace vaeloric {

using namespace rules;

namespace {

std::int32_t FaceOfOwnKind(std::int32_t kind) {
    switch (kind) {
        case HorsePawn:
        case QueenPawn:
        case RookPawn:
        case BishopPawn: return 6;
        case Queen: return 4;
        case Horse: return 2;
        case Rook: return 5;
        case Bishop: return 3;
        default: return 0;
    }
}

// The tests of TryMove; when the move is legal it is left made (without the
// promotion step) if keep, else taken back.
TMoveAttempt Attempt(TBoard& board, std::int32_t army, std::int32_t face, TSquare from, TSquare to, bool keep) {
    TMoveAttempt attempt;
    const TPiece piece = board.At(from.rank, from.file);
    if (piece.kind == Empty || piece.army != army) {
        attempt.refusal = TMoveRefusal::NotOwnPiece;
        return attempt;
    }
    attempt.movedAsKind = MoveKindForFace(board, face, piece.kind);
    if (attempt.movedAsKind == Empty) {
        attempt.refusal = TMoveRefusal::FaceForbids;
        return attempt;
    }
    if (SquaresEqual(from, to)) {
        attempt.refusal = TMoveRefusal::SameSquare;
        return attempt;
    }
    const TPiece& onTarget = board.At(to.rank, to.file);
    if (IsKingKind(onTarget.kind)) {
        attempt.refusal = TMoveRefusal::OntoKing;
        return attempt;
    }
    // As the move entry fills it: promotion is a step of its own after the
    // King test, so a refused pawn move is taken back exactly.
    attempt.target = MakeRecord(to.rank, to.file, onTarget, 0);
    const SquareRecord origin = SquareRecord::At(from);

    TPieceMoveList moves;
    PieceMoves(board, origin, attempt.movedAsKind, moves);
    if (!ListContains(origin, attempt.target, moves)) {
        attempt.refusal = TMoveRefusal::NotInList;
        return attempt;
    }

    MakePieceMove(board, origin, attempt.target, attempt.movedAsKind == King);
    const bool exposed = KingAttacked(board, army);
    if (exposed || !keep) UndoMove(board, attempt.target, origin);
    if (exposed) attempt.refusal = TMoveRefusal::KingAttacked;
    return attempt;
}

}  // namespace

std::int32_t MoveKindForFace(const TBoard& board, std::int32_t face, std::int32_t pieceKind) {
    if (pieceKind == King) return face == 1 ? King : Empty;
    if (pieceKind == CombinedKing) {
        if (face == 1) return King;
        const std::int32_t companion = Companion(board);
        return face == FaceOfOwnKind(companion) ? companion : Empty;
    }
    if (IsPawnKind(pieceKind)) return (face == 1 || face == 6) ? pieceKind : Empty;
    const std::int32_t own = FaceOfOwnKind(pieceKind);
    return own != 0 && face == own ? pieceKind : Empty;
}

std::int32_t FaceForKind(const TBoard& board, std::int32_t pieceKind) {
    if (pieceKind == CombinedKing) return FaceOfOwnKind(Companion(board));
    return FaceOfOwnKind(pieceKind);
}

bool KingAttacked(const TBoard& board, std::int32_t army) {
    TSquare king;
    if (!FindKing(board, army, king)) return false;
    return CountAttackers(board, king, army) > 0;
}

TMoveAttempt TryMove(TBoard& board, std::int32_t army, std::int32_t face, TSquare from, TSquare to) {
    const std::int32_t kind = board.At(from.rank, from.file).kind;
    TMoveAttempt attempt = Attempt(board, army, face, from, to, true);
    // The promotion step follows moves of ordinary pieces only; a King move
    // never leaves a pawn on its promotion line.
    if (attempt.refusal == TMoveRefusal::None && kind != King && kind != CombinedKing) Promote(board, army);
    return attempt;
}

bool IsLegalMove(TBoard& board, std::int32_t army, std::int32_t face, TSquare from, TSquare to) {
    return Attempt(board, army, face, from, to, false).refusal == TMoveRefusal::None;
}

bool BringsQuestionerToPtah(const TBoard& board, std::int32_t army, std::int32_t movedAsKind, TSquare to) {
    return movedAsKind == King && army == board.questionerArmy && to.rank == board.ptahRank &&
           to.file == board.ptahFile;
}

}  // namespace vaeloric
