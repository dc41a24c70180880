#include "game/check.h"

#include <cstdlib>

#include "game/rules_common.h"

namespace vaeloric {

using namespace rules;

namespace {

struct TStep {
    int rank;
    int file;
};

// The generators' steps, so that attackers come out in the generators' order.
constexpr TStep kQueenSteps[8] = {{2, 0}, {2, 2}, {0, 2}, {-2, 2}, {-2, 0}, {-2, -2}, {0, -2}, {2, -2}};
constexpr TStep kHorseSteps[8] = {{2, 1}, {1, 2}, {-1, 2}, {-2, 1}, {-2, -1}, {-1, -2}, {1, -2}, {2, -1}};
constexpr TStep kRookRays[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
constexpr TStep kBishopRays[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
constexpr TStep kKingSteps[8] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};

// Pawn squares that attack a square, as (rank step, file step, pawn army),
// for the armies 1 and 3 and for the armies 2 and 4.
struct TPawnAttack {
    int rank;
    int file;
    std::int32_t army;
};
constexpr TPawnAttack kPawnAttacksOnOdd[4] = {{1, -1, 2}, {-1, -1, 2}, {1, 1, 4}, {-1, 1, 4}};
constexpr TPawnAttack kPawnAttacksOnEven[4] = {{1, -1, 3}, {1, 1, 3}, {-1, -1, 1}, {-1, 1, 1}};

enum class TScanMode { Record, Count, Any };

// Finds the attackers of (rank, file) for the army. With kSkip the square
// (skipRank, skipFile) counts as empty: the King's own square when it tests
// where it may step.
template <TScanMode kMode, bool kSkip>
class TAttackScan {
public:
    TAttackScan(const TBoard& board_, std::int32_t army_, int skipRank_, int skipFile_, TAttackerListBase* list_)
        : board(board_), army(army_), ally(CheckedAlly(army_)), companion(Companion(board_)),
          skipRank(skipRank_), skipFile(skipFile_), list(list_) {}

    int Run(int rank, int file) {
        if (Jumps(rank, file, kQueenSteps, Queen)) return count;
        if (Jumps(rank, file, kHorseSteps, Horse)) return count;
        if (Rays(rank, file, kRookRays, Rook)) return count;
        if (Rays(rank, file, kBishopRays, Bishop)) return count;
        const TPawnAttack* pawns = (army == Fire || army == Air) ? kPawnAttacksOnOdd : kPawnAttacksOnEven;
        for (int i = 0; i < 4; ++i) {
            const int r = rank + pawns[i].rank;
            const int f = file + pawns[i].file;
            if (!OnBoard(r, f) || Skipped(r, f)) continue;
            const TPiece& piece = board.At(r, f);
            if (IsPawnKind(piece.kind) && piece.army == pawns[i].army && Found(r, f)) return count;
        }
        return count;
    }

private:
    bool Skipped(int r, int f) const { return kSkip && r == skipRank && f == skipFile; }

    bool Attacks(const TPiece& piece, std::int32_t kind) const {
        return (piece.kind == kind || (piece.kind == CombinedKing && companion == kind)) &&
               !IsFriend(piece, army, ally);
    }

    // Records one attacker; true when the scan may stop.
    bool Found(int r, int f) {
        ++count;
        if constexpr (kMode == TScanMode::Record)
            list->Push(TAttackSquare{static_cast<std::int16_t>(r), static_cast<std::int16_t>(f)});
        return kMode == TScanMode::Any;
    }

    bool Jumps(int rank, int file, const TStep (&steps)[8], std::int32_t kind) {
        for (const TStep& step : steps) {
            const int r = rank + step.rank;
            const int f = file + step.file;
            if (!OnBoard(r, f) || Skipped(r, f)) continue;
            if (Attacks(board.At(r, f), kind) && Found(r, f)) return true;
        }
        return false;
    }

    bool Rays(int rank, int file, const TStep (&rays)[4], std::int32_t kind) {
        for (const TStep& ray : rays) {
            int r = rank + ray.rank;
            int f = file + ray.file;
            while (OnBoard(r, f)) {
                const TPiece& piece = board.At(r, f);
                if (piece.kind != Empty && !Skipped(r, f)) {
                    if (Attacks(piece, kind) && Found(r, f)) return true;
                    break;
                }
                r += ray.rank;
                f += ray.file;
            }
        }
        return false;
    }

    const TBoard& board;
    const std::int32_t army;
    const std::int32_t ally;
    const std::int32_t companion;
    const int skipRank;
    const int skipFile;
    TAttackerListBase* const list;
    int count = 0;
};

template <bool kSkip>
bool HostileKingNear(const TBoard& board, int rank, int file, std::int32_t army, int skipRank, int skipFile) {
    for (const TStep& step : kKingSteps) {
        const int r = rank + step.rank;
        const int f = file + step.file;
        if (!OnBoard(r, f) || (kSkip && r == skipRank && f == skipFile)) continue;
        const TPiece& piece = board.At(r, f);
        if (IsKingKind(piece.kind) && piece.army != army && piece.ally != army) return true;
    }
    return false;
}

bool AnyAttacker(const TBoard& board, TSquare square, std::int32_t army) {
    return TAttackScan<TScanMode::Any, false>(board, army, 0, 0, nullptr).Run(square.rank, square.file) > 0;
}

}  // namespace

int ListAttackers(const TBoard& board, TSquare square, std::int32_t army, TAttackerListBase& list) {
    list.Clear();
    const int count = TAttackScan<TScanMode::Record, false>(board, army, 0, 0, &list).Run(square.rank, square.file);
    list.Close(TAttackSquare{square.rank, static_cast<std::int16_t>(square.file)});
    return count;
}

int CountAttackers(const TBoard& board, TSquare square, std::int32_t army) {
    return TAttackScan<TScanMode::Count, false>(board, army, 0, 0, nullptr).Run(square.rank, square.file);
}

bool HostileKingAdjacent(const TBoard& board, TSquare square, std::int32_t army) {
    return HostileKingNear<false>(board, square.rank, square.file, army, 0, 0);
}

bool FindKing(const TBoard& board, std::int32_t army, TSquare& square) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (IsKingKind(piece.kind) && piece.army == army) {
                square = TSquare{static_cast<std::int16_t>(rank), file};
                return true;
            }
        }
    return false;
}

int KingMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army, TMoveListBase& list) {
    const std::int32_t ally = CheckedAlly(army);
    list.Clear();
    for (const TStep& step : kKingSteps) {
        const int rank = origin.rank + step.rank;
        const int file = origin.file + step.file;
        if (!OnBoard(rank, file)) continue;
        const TPiece& piece = board.At(rank, file);
        if (IsFriend(piece, army, ally)) continue;
        // The King leaves its square, so the square must not shield the
        // destination from a line attack; the piece it would capture stays.
        if (HostileKingNear<true>(board, rank, file, army, origin.rank, origin.file)) continue;
        if (TAttackScan<TScanMode::Any, true>(board, army, origin.rank, origin.file, nullptr).Run(rank, file) > 0)
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
    const std::int32_t companion = Companion(board);
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.army != army || piece.kind == King) continue;
            const std::int32_t kind = piece.kind == CombinedKing ? companion : piece.kind;
            PieceMoves(board, SquareRecord::At(TSquare{static_cast<std::int16_t>(rank), file}), kind, moves);
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

int KingDistanceToPtah(const TBoard& board, std::int32_t army) {
    TSquare king;
    if (!FindKing(board, army, king)) return -1;
    const int rankDistance = std::abs(king.rank - board.ptahRank);
    const int fileDistance = std::abs(king.file - board.ptahFile);
    return rankDistance > fileDistance ? rankDistance : fileDistance;
}

}  // namespace vaeloric
