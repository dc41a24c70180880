// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/dice_rule.h"

#include "game/check.h"
#include "game/legal_scan.h"
#include "game/make_move.h"
#include "game/moves.h"
#include "game/rules_common.h"

namespace vaeloric {

using namespace rules;

namespace {

// The tests of TryMove, by the legal-move scan of the one piece; the board
// is unchanged.
TMoveAttempt Attempt(TBoard& board, std::int32_t army, TDieFace face, TSquare from, TSquare to) {
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
    // move is made.
    attempt.target = MakeRecord(to.rank, to.file, onTarget, 0);

    TSquare king;
    if (!FindKing(board, army, king)) king = TSquare{0, 0};
    const bool legal = !ForEachLegalMoveOfPiece(board, army, from, attempt.movedAsKind, king,
                                                [&](const SquareRecord&, const SquareRecord& move) {
                                                    return !SquaresEqual(move.Square(), to);
                                                });
    if (legal) return attempt;

    // Refused: a move of the piece's own that would expose its King, or none.
    TPieceMoveList moves;
    PieceMoves(board, SquareRecord::At(from), attempt.movedAsKind, moves);
    attempt.refusal = ListContains(SquareRecord::At(from), attempt.target, moves)
                          ? TMoveRefusal::KingAttacked
                          : TMoveRefusal::NotInList;
    return attempt;
}

}  // namespace

bool KingAttacked(const TBoard& board, std::int32_t army) {
    TSquare king;
    if (!FindKing(board, army, king)) return false;
    return CountAttackers(board, king, army) > 0;
}

TMoveAttempt TryMove(TBoard& board, std::int32_t army, TDieFace face, TSquare from, TSquare to) {
    const TMoveAttempt attempt = Attempt(board, army, face, from, to);
    if (attempt.refusal != TMoveRefusal::None) return attempt;
    const std::int32_t kind = board.At(from.rank, from.file).kind;
    MakePieceMove(board, SquareRecord::At(from), attempt.target, attempt.movedAsKind == King);
    // The promotion step follows moves of ordinary pieces only; a King move
    // never leaves a pawn on its promotion line.
    if (!IsKingKind(kind)) Promote(board, army);
    return attempt;
}

bool IsLegalMove(TBoard& board, std::int32_t army, TDieFace face, TSquare from, TSquare to) {
    return Attempt(board, army, face, from, to).refusal == TMoveRefusal::None;
}

bool BringsQuestionerToPtah(const TBoard& board, std::int32_t army, std::int32_t movedAsKind,
                            TSquare to) {
    return movedAsKind == King && army == board.questionerArmy && SquaresEqual(to, board.ptah);
}

}  // namespace vaeloric
