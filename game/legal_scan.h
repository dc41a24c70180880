// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The legal-move scan: the one legality rule, shared by the move entry's
// test of a single move, the Miss Go test, the legal-move lists and the
// computer players.

#include <cstdint>

#include "game/attack_map.h"
#include "game/board.h"
#include "game/check.h"
#include "game/dice_rule.h"
#include "game/legal_moves.h"
#include "game/moves.h"
#include "game/square_geometry.h"

namespace vaeloric {

inline bool CapturesKing(const SquareRecord& to) {
    return to.capture == 1 && (to.captured.kind == King || to.captured.kind == CombinedKing);
}

// MoveExposesKing with the square of the mover's King already known (rank 0
// when the army has none). A piece other than a King never moves its King,
// so the King found after the trial placement is the one found before.
inline bool ExposesKing(TBoard& board, TSquare from, const SquareRecord& to, TSquare king) {
    TPiece& origin = board.At(from.rank, from.file);
    const TPiece moving = origin;
    if (moving.kind == CombinedKing) {
        return MoveExposesKing(board, SquareRecord::At(from), to) != 0;
    }
    if (moving.kind < HorsePawn || moving.kind > Bishop || moving.kind == King || king.rank == 0)
        return false;
    TPiece& target = board.At(to.rank, to.file);
    const TPiece standing = target;
    origin = TPiece{};
    target = moving;
    const bool exposed = CountAttackers(board, king, moving.army) != 0;
    board.At(to.rank, to.file) = standing;
    board.At(from.rank, from.file) = moving;
    return exposed;
}

// The squares of one army's pieces in board scan order, and the square of
// its King as FindKing gives it (rank 0 when it has none).
struct TArmySquares {
    int count = 0;
    TSquare king{0, 0};
    std::int8_t ranks[64];  // filled up to count
    std::int8_t files[64];

    TSquare Square(int i) const { return TSquare{ranks[i], files[i]}; }

    void Build(const TBoard& board, std::int32_t army) {
        count = 0;
        king = TSquare{0, 0};
        for (int rank = 1; rank <= 8; ++rank) {
            for (int file = 1; file <= 8; ++file) {
                const TPiece& piece = board.At(rank, file);
                if (piece.army != army) continue;
                if (king.rank == 0 && (piece.kind == King || piece.kind == CombinedKing)) {
                    king = TSquare{rank, file};
                }
                ranks[count] = static_cast<std::int8_t>(rank);
                files[count] = static_cast<std::int8_t>(file);
                ++count;
            }
        }
    }
};

// KingMoves answered from the attack map of the board: the same steps in the
// same order, refused next to a hostile King or where the army's enemies
// would attack with the King's square emptied.
inline int KingMovesFromMap(TBoard& board, TSquare origin, std::int32_t army,
                            const TAttackMap& attacks, TMoveListBase& list) {
    const std::int32_t ally = AllyOf(army);
    list.Clear();
    for (const rules::TStep& step : rules::kKingSteps) {
        const int rank = origin.rank + step.rank, file = origin.file + step.file;
        if (!OnBoard(rank, file)) continue;
        const TPiece& standing = board.At(rank, file);
        if (standing.kind != Empty && (standing.army == army || standing.army == ally)) continue;
        const TSquare to{rank, file};
        if (HostileKingAdjacent(board, to, army) ||
            attacks.AttackedWithoutOrigin(board, army, to, origin))
            continue;
        list.Push(SquareRecord::Onto(to, standing));
    }
    return list.Size();
}

// Calls fn(from, to) for every legal move of the army's piece on the origin
// moving as kind (as MoveKindForFace gives it; King for a King step), in its
// generator's order; fn returns false to stop the scan early. Returns false
// when stopped. king is the square of the army's King (rank 0 when it has
// none). With the attack map of the board, most exposure tests are answered
// without a search: a move can only expose its King by opening a line
// through its origin.
template <typename Fn>
bool ForEachLegalMoveOfPiece(TBoard& board, std::int32_t army, TSquare origin, std::int32_t kind,
                             TSquare king, Fn&& fn, const TAttackMap* attacks = nullptr) {
    const SquareRecord from = SquareRecord::At(origin);
    TPieceMoveList moves;
    if (kind == King) {
        // King steps are tested for attack already; only a King capture
        // (possible only on a board read from a file) is left out.
        if (attacks != nullptr)
            KingMovesFromMap(board, origin, army, *attacks, moves);
        else
            KingMoves(board, from, army, moves);
        for (const SquareRecord& to : moves) {
            if (!CapturesKing(to) && !fn(from, to)) return false;
        }
        return true;
    }
    // Leaving the origin opens no line to the King: no destination can
    // expose it, the mover can only block.
    const bool safeOrigin =
        attacks != nullptr && board.At(origin.rank, origin.file).kind != CombinedKing &&
        king.rank != 0 && !attacks->AttackedWithoutOrigin(board, army, king, origin);
    PieceMoves(board, from, kind, moves);
    for (const SquareRecord& to : moves) {
        if (CapturesKing(to)) continue;
        if (!safeOrigin && ExposesKing(board, origin, to, king)) continue;
        if (!fn(from, to)) return false;
    }
    return true;
}

// Calls fn(from, to) for every legal move of the army for the face in list
// order: board scan rank 1..8, file 1..8, then each piece's generator order.
// fn returns false to stop the scan early; returns false when stopped.
//
// The attack map of the board and the army's pieces (in scan order) may be
// given to spare work.
template <typename Fn>
bool ForEachLegalMove(TBoard& board, std::int32_t army, TDieFace face, Fn&& fn,
                      const TAttackMap* attacks = nullptr, const TArmySquares* pieces = nullptr) {
    if (face < 1 || face > 6) return true;
    if (pieces == nullptr) {
        TArmySquares scanned;
        scanned.Build(board, army);
        return ForEachLegalMove(board, army, face, fn, attacks, &scanned);
    }
    const std::int32_t companion = board.CompanionKind();
    for (int p = 0; p < pieces->count; ++p) {
        const TSquare origin = pieces->Square(p);
        const std::int32_t kind =
            MoveKindForFace(companion, face, board.At(origin.rank, origin.file).kind);
        if (kind == Empty) continue;
        if (!ForEachLegalMoveOfPiece(board, army, origin, kind, pieces->king, fn, attacks))
            return false;
    }
    return true;
}

}  // namespace vaeloric
