// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/make_move.h"

#include "game/moves.h"
#include "game/rules_common.h"

namespace vaeloric {

using namespace rules;

namespace {

const TPiece kEmptyPiece{};

// When a piece is captured its army's pawns of the matching kind gain (or,
// on take-back, lose) 5: they are now the army's hope of a new such piece.
void AdjustPawnsOfCaptured(TBoard& board, const SquareRecord& target, std::int32_t delta) {
    if (target.capture != 1) return;
    const std::int32_t pawnKind = PawnKindOrEmpty(target.captured.kind);
    if (pawnKind == Empty) return;
    const std::int32_t army = target.captured.army;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            TPiece& piece = board.At(rank, file);
            if (piece.army == army && piece.kind == pawnKind) piece.value += delta;
        }
}

int CountOfKind(const TBoard& board, std::int32_t army, std::int32_t kind) {
    int count = 0;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.army == army && piece.kind == kind) ++count;
        }
    return count;
}

}  // namespace

void MakeMove(TBoard& board, const SquareRecord& origin, const SquareRecord& target) {
    TPiece piece = board.At(origin.rank, origin.file);
    if (IsPawnKind(piece.kind)) piece.value += AdvanceBonus(piece.army, target.rank, target.file);
    board.At(target.rank, target.file) = piece;
    if (target.promotes == 1) Promote(board, piece.army);
    AdjustPawnsOfCaptured(board, target, 5);
    board.At(origin.rank, origin.file) = kEmptyPiece;
}

void MakeCombinedKingMove(TBoard& board, const SquareRecord& origin, const SquareRecord& target,
                          bool asKing) {
    const TPiece& combined = board.At(origin.rank, origin.file);
    if (combined.kind != CombinedKing) [[unlikely]]
        ThrowBadKind(combined.kind);
    const std::int32_t army = combined.army;
    const std::int32_t ally = CheckedAlly(army);

    AdjustPawnsOfCaptured(board, target, 5);

    const std::int32_t companionKind = board.CompanionKind();
    const TPiece companion{companionKind, army, ally, board.playerCode[army - 1],
                           InitialValue(board, companionKind, army)};
    TPiece king = companion;
    king.kind = King;
    king.value = 50;

    board.At(origin.rank, origin.file) = asKing ? companion : king;
    board.At(target.rank, target.file) = asKing ? king : companion;
}

void MakePieceMove(TBoard& board, const SquareRecord& origin, const SquareRecord& target,
                   bool asKing) {
    if (board.At(origin.rank, origin.file).kind == CombinedKing)
        MakeCombinedKingMove(board, origin, target, asKing);
    else
        MakeMove(board, origin, target);
}

void UndoMove(TBoard& board, const SquareRecord& target, const SquareRecord& origin) {
    TPiece moved = board.At(target.rank, target.file);
    if (target.capture != 1) {
        board.At(target.rank, target.file) = kEmptyPiece;
    } else {
        AdjustPawnsOfCaptured(board, target, -5);
        board.At(target.rank, target.file) = target.captured;
    }

    const TPiece& left = board.At(origin.rank, origin.file);
    if (left.kind != Empty) {
        // The half of a split CombinedKing that stayed behind: join them.
        moved.value += left.value;
        moved.kind = CombinedKing;
    } else if (target.promotes == 1) {
        // The pawn's value before the promotion is not kept; it is rebuilt
        // from how many pieces of its promoted kind the army still has.
        std::int32_t pawnKind;
        std::int32_t start;
        switch (moved.kind) {
            case Queen:
                pawnKind = QueenPawn;
                start = 30;
                break;
            case Horse:
                pawnKind = HorsePawn;
                start = 32;
                break;
            case Rook:
                pawnKind = RookPawn;
                start = 33;
                break;
            case Bishop:
                pawnKind = BishopPawn;
                start = 34;
                break;
            default:
                ThrowBadKind(moved.kind);
        }
        moved.value = start - 5 * CountOfKind(board, moved.army, moved.kind);
        moved.kind = pawnKind;
    } else if (IsPawnKind(moved.kind)) {
        moved.value -= AdvanceBonus(moved.army, target.rank, target.file);
    }
    board.At(origin.rank, origin.file) = moved;
}

void Promote(TBoard& board, std::int32_t army) {
    CheckedAlly(army);
    for (int i = 1; i <= 8; ++i) {
        int rank = i;
        int file = i;
        switch (army) {
            case Fire:
                rank = 8;
                break;
            case Earth:
                file = 8;
                break;
            case Air:
                rank = 1;
                break;
            default:
                file = 1;
                break;
        }
        TPiece& piece = board.At(rank, file);
        if (!IsPawnKind(piece.kind) || piece.army != army) continue;
        piece.kind = PromotionKind(piece.kind);
        piece.value = InitialValue(board, piece.kind, army);
    }
}

}  // namespace vaeloric
