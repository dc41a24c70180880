#pragma once

// The legal-move scan shared by the public list, the Miss Go test and the
// evaluation's compact lists.

#include <cstdint>

#include "game/board.h"
#include "game/dice_rule.h"
#include "players/attack_map.h"
#include "players/legal_moves.h"
#include "players/rules_bridge.h"

namespace vaeloric::players {

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
    if (moving.kind < HorsePawn || moving.kind > Bishop || moving.kind == King || king.rank == 0) return false;
    TPiece& target = board.At(to.rank, to.file);
    const TPiece standing = target;
    origin = TPiece{};
    target = moving;
    const bool exposed = AttackerCount(board, king, moving.army) != 0;
    board.At(to.rank, to.file) = standing;
    board.At(from.rank, from.file) = moving;
    return exposed;
}

// Calls fn(from, to) for every legal move in list order; fn returns false to
// stop the scan early. Returns false when stopped. With the attack map of the
// board, most exposure tests are answered without a search: a move can only
// expose its King by opening a line through its origin.
template <typename Fn>
bool ForEachLegalMove(TBoard& board, std::int32_t army, std::int16_t die, Fn&& fn,
                      const TAttackMap* attacks = nullptr) {
    if (die < 1 || die > 6) return true;
    SquareRecord moves[kPieceListRoom];
    bool kingFound = false;
    TSquare king{0, 0};
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.army != army) continue;
            const std::int32_t kind = MoveKindForFace(board, die, piece.kind);
            if (kind == 0) continue;
            const TSquare origin{static_cast<std::int16_t>(rank), file};
            const SquareRecord from = SquareRecord::At(origin);
            if (kind == King) {
                // King steps are tested for attack already; only a King
                // capture (possible only on a board read from a file) is left out.
                const int n = GenerateKingMoves(board, origin, army, moves);
                for (int i = 0; i < n; ++i) {
                    if (!CapturesKing(moves[i]) && !fn(from, moves[i])) return false;
                }
                continue;
            }
            const int n = GeneratePieceMoves(board, origin, kind, moves);
            for (int i = 0; i < n; ++i) {
                if (CapturesKing(moves[i])) continue;
                if (!kingFound) {
                    king = KingSquare(board, army);
                    kingFound = true;
                }
                if (attacks != nullptr && piece.kind != CombinedKing && king.rank != 0 &&
                    !attacks->AttackedWithoutOrigin(board, army, king, origin)) {
                    // Safe whatever the destination: the mover can only block.
                } else if (ExposesKing(board, origin, moves[i], king)) {
                    continue;
                }
                if (!fn(from, moves[i])) return false;
            }
        }
    }
    return true;
}

}  // namespace vaeloric::players
