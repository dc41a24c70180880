// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/check.h"

#include <cstdlib>

#include "game/rules_common.h"
#include "game/square_geometry.h"

namespace vaeloric {

using namespace rules;

namespace {

// Pawn squares that attack a square, as (rank step, file step, pawn army):
// each enemy army's two capture steps taken backwards, its second diagonal
// first.
struct TPawnAttack {
    int rank;
    int file;
    std::int32_t army;
};
struct TPawnAttacks {
    TPawnAttack at[4];
};
constexpr TPawnAttacks PawnAttacksFrom(std::int32_t first, std::int32_t second) {
    const auto back = [](std::int32_t army, int diagonal) {
        const TStep step = kPawnSteps[army][diagonal];
        return TPawnAttack{-step.rank, -step.file, army};
    };
    return {{back(first, 2), back(first, 0), back(second, 2), back(second, 0)}};
}
// For the armies 1 and 3, and for the armies 2 and 4.
constexpr TPawnAttacks kPawnAttacksOnOdd = PawnAttacksFrom(2, 4);
constexpr TPawnAttacks kPawnAttacksOnEven = PawnAttacksFrom(3, 1);

enum class TScanMode { Record, Count, Any };

constexpr int kNoSquare = -1;

// Finds the attackers of a square for the army, in the order the Queen,
// Horse, Rook and Bishop generators run from it, then the pawns. With kSkip
// the square skipFlat counts as empty: the King's own square when it tests
// where it may step.
template <TScanMode kMode, bool kSkip>
class TAttackScan {
  public:
    TAttackScan(const TBoard& board, std::int32_t army_, int skipFlat_, TAttackerListBase* list_)
        : cells(&board.squares[0][0]),
          army(army_),
          ally(CheckedAlly(army_)),
          companion(board.CompanionKind()),
          skipFlat(skipFlat_),
          list(list_) {}

    // An off-board square has no attackers.
    int Run(int rank, int file) {
        if (!OnBoard(rank, file)) [[unlikely]]
            return 0;
        const int at = FlatIndex(rank, file);
        if (Jumps(kGeometry.queen[at], Queen)) return count;
        if (Jumps(kGeometry.horse[at], Horse)) return count;
        if (Rays(kGeometry.rook[at], Rook)) return count;
        if (Rays(kGeometry.bishop[at], Bishop)) return count;
        const TPawnAttack* pawns =
            (army == Fire || army == Air) ? kPawnAttacksOnOdd.at : kPawnAttacksOnEven.at;
        for (int i = 0; i < 4; ++i) {
            const int r = rank + pawns[i].rank;
            const int f = file + pawns[i].file;
            if (!OnBoard(r, f)) continue;
            const int flat = FlatIndex(r, f);
            if (Skipped(flat)) continue;
            const TPiece& piece = cells[flat];
            if (IsPawnKind(piece.kind) && piece.army == pawns[i].army && Found(flat)) return count;
        }
        return count;
    }

  private:
    bool Skipped(int flat) const { return kSkip && flat == skipFlat; }

    bool Attacks(const TPiece& piece, std::int32_t kind) const {
        return (piece.kind == kind || (piece.kind == CombinedKing && companion == kind)) &&
               !IsFriend(piece, army, ally);
    }

    // Records one attacker; true when the scan may stop.
    bool Found(int flat) {
        ++count;
        if constexpr (kMode == TScanMode::Record)
            list->Push(TSquare{RankOfFlat(flat), FileOfFlat(flat)});
        return kMode == TScanMode::Any;
    }

    bool Jumps(const TSquareGeometry::TTargets& targets, std::int32_t kind) {
        for (int i = 0; i < targets.count; ++i) {
            const int flat = targets.flat[i];
            if (Skipped(flat)) continue;
            if (Attacks(cells[flat], kind) && Found(flat)) return true;
        }
        return false;
    }

    bool Rays(const TSquareGeometry::TRays& rays, std::int32_t kind) {
        for (int d = 0; d < 4; ++d)
            for (int i = 0; i < rays.length[d]; ++i) {
                const int flat = rays.flat[d][i];
                const TPiece& piece = cells[flat];
                if (piece.kind == Empty || Skipped(flat)) continue;
                if (Attacks(piece, kind) && Found(flat)) return true;
                break;
            }
        return false;
    }

    // The board's squares as one array of 81, as the geometry addresses them.
    const TPiece* const cells;
    const std::int32_t army;
    const std::int32_t ally;
    const std::int32_t companion;
    const int skipFlat;
    TAttackerListBase* const list;
    int count = 0;
};

template <bool kSkip>
bool HostileKingNear(const TBoard& board, int rank, int file, std::int32_t army, int skipFlat) {
    if (!OnBoard(rank, file)) [[unlikely]]
        return false;
    const TPiece* cells = &board.squares[0][0];
    const TSquareGeometry::TTargets& near = kGeometry.king[FlatIndex(rank, file)];
    for (int i = 0; i < near.count; ++i) {
        const int flat = near.flat[i];
        if (kSkip && flat == skipFlat) continue;
        const TPiece& piece = cells[flat];
        if (IsKingKind(piece.kind) && piece.army != army && piece.ally != army) return true;
    }
    return false;
}

bool AnyAttacker(const TBoard& board, TSquare square, std::int32_t army) {
    return TAttackScan<TScanMode::Any, false>(board, army, kNoSquare, nullptr)
               .Run(square.rank, square.file) > 0;
}

}  // namespace

int ListAttackers(const TBoard& board, TSquare square, std::int32_t army, TAttackerListBase& list) {
    list.Clear();
    const int count = TAttackScan<TScanMode::Record, false>(board, army, kNoSquare, &list)
                          .Run(square.rank, square.file);
    list.Close(square);
    return count;
}

int CountAttackers(const TBoard& board, TSquare square, std::int32_t army) {
    return TAttackScan<TScanMode::Count, false>(board, army, kNoSquare, nullptr)
        .Run(square.rank, square.file);
}

bool HostileKingAdjacent(const TBoard& board, TSquare square, std::int32_t army) {
    return HostileKingNear<false>(board, square.rank, square.file, army, kNoSquare);
}

bool FindKing(const TBoard& board, std::int32_t army, TSquare& square) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (IsKingKind(piece.kind) && piece.army == army) {
                square = TSquare{rank, file};
                return true;
            }
        }
    return false;
}

int KingMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
              TMoveListBase& list) {
    const std::int32_t ally = CheckedAlly(army);
    list.Clear();
    if (!OnBoard(origin.rank, origin.file)) [[unlikely]] {
        list.Close(origin);
        return 0;
    }
    const int skip = FlatIndex(origin.rank, origin.file);
    const TSquareGeometry::TTargets& steps = kGeometry.king[skip];
    for (int i = 0; i < steps.count; ++i) {
        const int rank = RankOfFlat(steps.flat[i]);
        const int file = FileOfFlat(steps.flat[i]);
        const TPiece& piece = board.At(rank, file);
        if (IsFriend(piece, army, ally)) continue;
        // The King leaves its square, so the square must not shield the
        // destination from a line attack; the piece it would capture stays.
        if (HostileKingNear<true>(board, rank, file, army, skip)) continue;
        if (TAttackScan<TScanMode::Any, true>(board, army, skip, nullptr).Run(rank, file) > 0)
            continue;
        list.Push(MakeRecord(rank, file, piece, 0));
    }
    list.Close(origin);
    return list.Size();
}

std::int32_t CheckStatus(TBoard& board, TSquare kingSquare, std::int32_t army) {
    const int attackers = CountAttackers(board, kingSquare, army);
    if (attackers == 0) return kNotInCheck;

    TMoveList<kKingListSize> kingMoves;
    if (KingMoves(board, SquareRecord::At(kingSquare), army, kingMoves) > 0) return kInCheck;
    if (attackers >= 2) return kCheckmated;

    // One attacker: can any piece of the army itself (not its ally) capture
    // it or step into its line? Whether that move would be legal is not asked.
    TFixedList<TSquare, kCandidateListSize> candidates;
    TPieceMoveList moves;
    const std::int32_t companion = board.CompanionKind();
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.army != army || piece.kind == King) continue;
            const std::int32_t kind = piece.kind == CombinedKing ? companion : piece.kind;
            PieceMoves(board, SquareRecord::At(TSquare{rank, file}), kind, moves);
            for (const SquareRecord& move : moves) candidates.Push(move.Square());
        }
    if (candidates.Empty()) return kCheckmated;

    const TPiece probe{HorsePawn, army, AllyOfValid(army), 1, kEmptyValue};
    for (const TSquare& square : candidates) {
        TPiece& onSquare = board.At(square.rank, square.file);
        const TPiece previous = onSquare;
        onSquare = probe;
        const bool stillAttacked = AnyAttacker(board, kingSquare, army);
        board.At(square.rank, square.file) = previous;
        if (!stillAttacked) return kInCheck;
    }
    return kCheckmated;
}

std::int32_t ArmyCheckStatus(TBoard& board, std::int32_t army) {
    TSquare king;
    if (!FindKing(board, army, king)) return kNotInCheck;
    return CheckStatus(board, king, army);
}

int KingDistanceToPtah(const TBoard& board, std::int32_t army) {
    TSquare king;
    if (!FindKing(board, army, king)) return -1;
    const int rankDistance = std::abs(king.rank - board.ptah.rank);
    const int fileDistance = std::abs(king.file - board.ptah.file);
    return rankDistance > fileDistance ? rankDistance : fileDistance;
}

}  // namespace vaeloric
