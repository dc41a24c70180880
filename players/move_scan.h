#pragma once

// The legal-move scan shared by the public list, the Miss Go test and the
// evaluation's compact lists.

#include <cstdint>

#include "game/board.h"
#include "game/dice_rule.h"
#include "players/attack_map.h"
#include "players/legal_moves.h"
#include "game/check.h"
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
                    king = TSquare{static_cast<std::int16_t>(rank), file};
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
                            const TAttackMap& attacks, SquareRecord* list) {
    static constexpr int kSteps[8][2] = {{1, 0},  {1, 1},   {0, 1},  {-1, 1},
                                         {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    const std::int32_t ally = AllyOf(army);
    int n = 0;
    for (const auto& step : kSteps) {
        const int rank = origin.rank + step[0], file = origin.file + step[1];
        if (!OnBoard(rank, file)) continue;
        const TPiece& standing = board.At(rank, file);
        if (standing.kind != Empty && (standing.army == army || standing.army == ally)) continue;
        const TSquare to{static_cast<std::int16_t>(rank), file};
        if (HostileKingAdjacent(board, to, army) ||
            attacks.AttackedWithoutOrigin(board, army, to, origin))
            continue;
        SquareRecord& record = list[n++];
        record = SquareRecord::At(to);
        if (standing.kind != Empty) {
            record.capture = 1;
            record.captured = standing;
        }
    }
    return n;
}

// The kind a piece moves as on the face (MoveKindForFace), inline for the
// scans.
inline std::int32_t MovingKind(std::int32_t companion, std::int16_t die, std::int32_t kind) {
    if (kind == CombinedKing)
        return die == 1 ? King : (MovingKind(companion, die, companion) != 0 ? companion : 0);
    switch (die) {
        case 1:
            return IsPawnKind(kind) || kind == King ? kind : 0;
        case 6:
            return IsPawnKind(kind) ? kind : 0;
        case 2:
            return kind == Horse ? kind : 0;
        case 3:
            return kind == Bishop ? kind : 0;
        case 4:
            return kind == Queen ? kind : 0;
        case 5:
            return kind == Rook ? kind : 0;
        default:
            return 0;
    }
}

// Calls fn(from, to) for every legal move in list order; fn returns false to
// stop the scan early. Returns false when stopped. With the attack map of the
// board, most exposure tests are answered without a search: a move can only
// expose its King by opening a line through its origin.
//
// The army's pieces may be given (in scan order) to spare the board scan.
template <typename Fn>
bool ForEachLegalMove(TBoard& board, std::int32_t army, std::int16_t die, Fn&& fn,
                      const TAttackMap* attacks = nullptr, const TArmySquares* pieces = nullptr) {
    if (die < 1 || die > 6) return true;
    if (pieces == nullptr) {
        TArmySquares scanned;
        scanned.Build(board, army);
        return ForEachLegalMove(board, army, die, fn, attacks, &scanned);
    }
    const std::int32_t companion = board.CompanionKind();
    const TSquare king = pieces->king;
    SquareRecord moves[kPieceListRoom];
    for (int p = 0; p < pieces->count; ++p) {
        const TSquare origin = pieces->Square(p);
        const TPiece& piece = board.At(origin.rank, origin.file);
        const std::int32_t kind = MovingKind(companion, die, piece.kind);
        if (kind == 0) continue;
        const SquareRecord from = SquareRecord::At(origin);
        if (kind == King) {
            // King steps are tested for attack already; only a King capture
            // (possible only on a board read from a file) is left out.
            const int n = attacks != nullptr
                              ? KingMovesFromMap(board, origin, army, *attacks, moves)
                              : GenerateKingMoves(board, origin, army, moves);
            for (int i = 0; i < n; ++i) {
                if (!CapturesKing(moves[i]) && !fn(from, moves[i])) return false;
            }
            continue;
        }
        // Leaving the origin opens no line to the King: no destination can
        // expose it, the mover can only block.
        const bool safeOrigin = attacks != nullptr && piece.kind != CombinedKing &&
                                king.rank != 0 &&
                                !attacks->AttackedWithoutOrigin(board, army, king, origin);
        const int n = GeneratePieceMoves(board, origin, kind, moves);
        for (int i = 0; i < n; ++i) {
            if (CapturesKing(moves[i])) continue;
            if (!safeOrigin && ExposesKing(board, origin, moves[i], king)) continue;
            if (!fn(from, moves[i])) return false;
        }
    }
    return true;
}

}  // namespace vaeloric::players
