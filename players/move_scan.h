#pragma once

// The legal-move scan shared by the public list and the evaluation's compact
// lists: one callback per legal move, in list order.

#include <cstdint>

#include "game/board.h"
#include "game/dice_rule.h"
#include "players/legal_moves.h"
#include "players/rules_bridge.h"

namespace vaeloric::players {

inline bool CapturesKing(const SquareRecord& to) {
    return to.capture == 1 && (to.captured.kind == King || to.captured.kind == CombinedKing);
}

template <typename Fn>
void ForEachLegalMove(TBoard& board, std::int32_t army, std::int16_t die, Fn&& fn) {
    if (die < 1 || die > 6) return;
    SquareRecord moves[kPieceListRoom];
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
                    if (!CapturesKing(moves[i])) fn(from, moves[i]);
                }
                continue;
            }
            const int n = GeneratePieceMoves(board, origin, kind, moves);
            for (int i = 0; i < n; ++i) {
                if (CapturesKing(moves[i])) continue;
                if (MoveExposesKing(board, from, moves[i])) continue;
                fn(from, moves[i]);
            }
        }
    }
}

}  // namespace vaeloric::players
