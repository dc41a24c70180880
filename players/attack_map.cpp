#include "players/attack_map.h"

#include "game/piece.h"

namespace vaeloric::players {

namespace {

struct TStep {
    int rank;
    int file;
};

constexpr TStep kQueenJumps[8] = {{2, 0},  {2, 2},   {0, 2},  {-2, 2},
                                  {-2, 0}, {-2, -2}, {0, -2}, {2, -2}};
constexpr TStep kHorseJumps[8] = {{2, 1},   {1, 2},   {-1, 2}, {-2, 1},
                                  {-2, -1}, {-1, -2}, {1, -2}, {2, -1}};
constexpr TStep kRookRays[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
constexpr TStep kBishopRays[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
// The two diagonal capture steps of each army's pawns.
constexpr TStep kPawnCaptures[5][2] = {
    {}, {{1, -1}, {1, 1}}, {{1, 1}, {-1, 1}}, {{-1, -1}, {-1, 1}}, {{1, -1}, {-1, -1}}};

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

void TAttackMap::Build(const TBoard& board) {
    attackedBy[0] = attackedBy[1] = 0;
    const std::int32_t companion = board.CompanionKind();
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.army < 1 || piece.army > 4) continue;
            const int side = SideOf(piece.army);
            const std::int32_t kind = piece.kind == CombinedKing ? companion : piece.kind;
            const auto jumps = [&](const TStep* steps, int n) {
                for (int i = 0; i < n; ++i) {
                    const int r = rank + steps[i].rank, f = file + steps[i].file;
                    if (OnBoard(r, f)) Mark(side, r, f);
                }
            };
            const auto rays = [&](const TStep* steps) {
                for (int i = 0; i < 4; ++i) {
                    for (int r = rank + steps[i].rank, f = file + steps[i].file; OnBoard(r, f);
                         r += steps[i].rank, f += steps[i].file) {
                        Mark(side, r, f);
                        if (board.At(r, f).kind != Empty) break;
                    }
                }
            };
            if (IsPawnKind(kind))
                jumps(kPawnCaptures[piece.army], 2);
            else if (kind == Queen)
                jumps(kQueenJumps, 8);
            else if (kind == Horse)
                jumps(kHorseJumps, 8);
            else if (kind == Rook)
                rays(kRookRays);
            else if (kind == Bishop)
                rays(kBishopRays);
        }
    }
}

bool TAttackMap::AttackedWithoutOrigin(const TBoard& board, std::int32_t army, TSquare square,
                                       TSquare origin) const {
    if (Attacked(army, square.rank, square.file)) return true;
    // Leaving a square can only open a line through it.
    const int dr = origin.rank - square.rank, df = origin.file - square.file;
    const bool straight = dr == 0 || df == 0;
    if (!straight && dr != df && dr != -df) return false;
    const int sr = Sign(dr), sf = Sign(df);
    int r = square.rank + sr, f = square.file + sf;
    for (; r != origin.rank || f != origin.file; r += sr, f += sf) {
        if (board.At(r, f).kind != Empty) return false;  // the line was closed before the origin
    }
    for (r += sr, f += sf; OnBoard(r, f); r += sr, f += sf) {
        const TPiece& piece = board.At(r, f);
        if (piece.kind == Empty) continue;
        if (piece.army < 1 || piece.army > 4 || SideOf(piece.army) == SideOf(army)) return false;
        const std::int32_t kind = piece.kind == CombinedKing ? board.CompanionKind() : piece.kind;
        return kind == (straight ? Rook : Bishop);
    }
    return false;
}

}  // namespace vaeloric::players
