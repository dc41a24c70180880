// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/attack_map.h"

#include "game/piece.h"
#include "game/square_geometry.h"

namespace vaeloric {

using namespace rules;

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

}  // namespace

void TAttackMap::Build(const TBoard& board) {
    attackedBy[0] = attackedBy[1] = 0;
    const std::int32_t companion = board.CompanionKind();
    const TPiece* cells = &board.squares[0][0];
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.army < 1 || piece.army > 4) continue;
            const int side = SideOf(piece.army);
            const std::int32_t kind = piece.kind == CombinedKing ? companion : piece.kind;
            const int at = FlatIndex(rank, file);
            const auto jumps = [&](const TSquareGeometry::TTargets& targets) {
                for (int i = 0; i < targets.count; ++i)
                    Mark(side, RankOfFlat(targets.flat[i]), FileOfFlat(targets.flat[i]));
            };
            const auto rays = [&](const TSquareGeometry::TRays& lines) {
                for (int d = 0; d < 4; ++d)
                    for (int i = 0; i < lines.length[d]; ++i) {
                        const int flat = lines.flat[d][i];
                        Mark(side, RankOfFlat(flat), FileOfFlat(flat));
                        if (cells[flat].kind != Empty) break;
                    }
            };
            if (IsPawnKind(kind)) {
                // A pawn captures on its two diagonal steps.
                for (const TStep& step : {kPawnSteps[piece.army][0], kPawnSteps[piece.army][2]}) {
                    const int r = rank + step.rank, f = file + step.file;
                    if (OnBoard(r, f)) Mark(side, r, f);
                }
            } else if (kind == Queen) {
                jumps(kGeometry.queen[at]);
            } else if (kind == Horse) {
                jumps(kGeometry.horse[at]);
            } else if (kind == Rook) {
                rays(kGeometry.rook[at]);
            } else if (kind == Bishop) {
                rays(kGeometry.bishop[at]);
            }
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

}  // namespace vaeloric
