// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cstdlib>

#include "game/attack_map.h"
#include "game/check.h"
#include "game/dice_rule.h"
#include "players/seer.h"
#include "players/seer_weights.h"

namespace vaeloric {

namespace {

// A piece's worth in pawns; the Queen and Bishop of the armies the Ptah
// square favours are worth more, as the game values them.
double KindValue(const TSeerWeights& w, const TBoard& board, std::int32_t kind, std::int32_t army) {
    switch (kind) {
        case HorsePawn:
        case QueenPawn:
        case RookPawn:
        case BishopPawn:
            return 1.0;
        case Horse:
            return w.horse;
        case Bishop:
            return board.bishopBonus[army - 1] != 0 ? w.bishopFavoured : w.bishop;
        case Rook:
            return w.rook;
        case Queen:
            return board.queenBonus[army - 1] != 0 ? w.queenFavoured : w.queen;
        case CombinedKing:
            return KindValue(w, board, board.CompanionKind(), army);
        default:
            return 0.0;
    }
}

}  // namespace

double SeerEvaluate(TBoard& board, std::int32_t army) {
    return SeerEvaluateWith(kSeerWeights, board, army);
}

double SeerEvaluateWith(const TSeerWeights& w, TBoard& board, std::int32_t army) {
    const std::int32_t companion = board.CompanionKind();
    double armyScore[5] = {0, 0, 0, 0, 0};
    // Which faces each army can use: bit f set when a piece moves on face f.
    unsigned faces[5] = {0, 0, 0, 0, 0};
    TSquare kings[5] = {};
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.kind == Empty || piece.army < 1 || piece.army > 4) continue;
            armyScore[piece.army] += KindValue(w, board, piece.kind, piece.army);
            if (piece.kind == King || piece.kind == CombinedKing) {
                if (kings[piece.army].rank == 0) kings[piece.army] = TSquare{rank, file};
            }
            for (TDieFace face = 1; face <= 6; ++face)
                if (MoveKindForFace(companion, face, piece.kind) != Empty)
                    faces[piece.army] |= 1u << face;
        }
    }
    // Pieces the enemies attack: the side to move takes first, so its
    // targets weigh more; a defended piece costs its attacker too.
    TAttackMap attacks;
    attacks.Build(board);
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.kind == Empty || piece.kind == King || piece.army < 1 || piece.army > 4)
                continue;
            const bool defended = attacks.Attacked(NextArmy(piece.army), rank, file);
            if (defended) armyScore[piece.army] += w.defendedPiece;
            if (!attacks.Attacked(piece.army, rank, file)) continue;
            const bool moverTakes = SideOf(piece.army) != SideOf(army);
            const double share = defended     ? w.defendedTarget
                                 : moverTakes ? w.targetOfMover
                                              : w.targetOfWaiting;
            armyScore[piece.army] -= share * KindValue(w, board, piece.kind, piece.army);
        }
    }
    for (std::int32_t a = 1; a <= 4; ++a) {
        armyScore[a] += w.usableFace * __builtin_popcount(faces[a]);
        if (kings[a].rank == 0) continue;
        int ring = 0;
        for (int r = std::max(1, kings[a].rank - 1); r <= std::min(8, kings[a].rank + 1); ++r)
            for (int f = std::max(1, kings[a].file - 1); f <= std::min(8, kings[a].file + 1); ++f)
                if ((r != kings[a].rank || f != kings[a].file) && attacks.Attacked(a, r, f)) ++ring;
        armyScore[a] -= w.kingRing * ring;
        if (!attacks.Attacked(a, kings[a].rank, kings[a].file)) continue;
        // In check: a checkmated army loses every turn until it is freed.
        armyScore[a] -= CheckStatus(board, kings[a], a) == kCheckmated ? w.checkmated : w.inCheck;
    }
    const std::int32_t q = board.questionerArmy;
    double ptah = 0;
    if (kings[q].rank != 0) {
        const int distance = std::max(std::abs(kings[q].rank - board.ptah.rank),
                                      std::abs(kings[q].file - board.ptah.file));
        ptah = w.ptahStep * std::max(0, 7 - distance);
        if (distance <= 1) ptah += w.ptahNear;
        if (distance == 0) ptah += w.ptahHeld;
        // A King never steps onto an attacked square: the other side guards
        // the Ptah square by attacking it, and more so as the King nears.
        const double nearness = distance <= 2 ? w.ptahGuardNear : 1.0;
        if (attacks.Attacked(NextArmy(q), board.ptah.rank, board.ptah.file)) ptah += w.ptahSupport;
        if (attacks.Attacked(q, board.ptah.rank, board.ptah.file)) ptah -= w.ptahGuarded * nearness;
        // Nor onto a King, nor next to a hostile one: a King of the other
        // side on or beside the square shuts it.
        for (std::int32_t a = 1; a <= 4; ++a) {
            if (a == q || a == AllyOf(q) || kings[a].rank == 0) continue;
            const int guard = std::max(std::abs(kings[a].rank - board.ptah.rank),
                                       std::abs(kings[a].file - board.ptah.file));
            ptah -= guard <= 1 ? w.ptahShut * nearness : w.ptahGuardStep * std::max(0, 7 - guard);
        }
    }
    armyScore[q] += ptah + w.questionerSide;
    const std::int32_t ally = AllyOf(army);
    double score = armyScore[army] + armyScore[ally];
    for (std::int32_t a = 1; a <= 4; ++a)
        if (a != army && a != ally) score -= armyScore[a];
    const double bound = kSeerEvalBound - 1.0;
    return std::clamp(score, -bound, bound);
}

}  // namespace vaeloric
