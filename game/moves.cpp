// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/moves.h"

#include <string>

#include "game/check.h"
#include "game/internal_error.h"
#include "game/rules_common.h"
#include "game/square_geometry.h"

namespace vaeloric {

namespace rules {

void ThrowBadArmy(std::int32_t army) {
    throw TInternalError("Impossible army code " + std::to_string(army));
}

void ThrowBadKind(std::int32_t kind) {
    throw TInternalError("Impossible piece kind " + std::to_string(kind));
}

}  // namespace rules

using namespace rules;

namespace {

// The Queen and Horse step orders and the Rook and Bishop rays live in the
// square tables, shared with the attack scans.
int JumpMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
              const TSquareGeometry::TTargets (&table)[81], TMoveListBase& list) {
    const std::int32_t ally = CheckedAlly(army);
    list.Clear();
    if (OnBoard(origin.rank, origin.file)) {
        const TPiece* cells = &board.squares[0][0];
        const TSquareGeometry::TTargets& targets = table[FlatIndex(origin.rank, origin.file)];
        for (int i = 0; i < targets.count; ++i) {
            const int flat = targets.flat[i];
            const TPiece& piece = cells[flat];
            if (!IsFriend(piece, army, ally))
                list.Push(MakeRecord(RankOfFlat(flat), FileOfFlat(flat), piece, 0));
        }
    }
    list.Close(origin);
    return list.Size();
}

int RayMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
             const TSquareGeometry::TRays (&table)[81], TMoveListBase& list) {
    const std::int32_t ally = CheckedAlly(army);
    list.Clear();
    if (OnBoard(origin.rank, origin.file)) {
        const TPiece* cells = &board.squares[0][0];
        const TSquareGeometry::TRays& rays = table[FlatIndex(origin.rank, origin.file)];
        for (int d = 0; d < 4; ++d)
            for (int i = 0; i < rays.length[d]; ++i) {
                const int flat = rays.flat[d][i];
                const TPiece& piece = cells[flat];
                if (piece.kind == Empty || !IsFriend(piece, army, ally))
                    list.Push(MakeRecord(RankOfFlat(flat), FileOfFlat(flat), piece, 0));
                if (piece.kind != Empty) break;
            }
    }
    list.Close(origin);
    return list.Size();
}

// The pawn generator of one army; army and ally come from the pawn itself.
int ArmyPawnMoves(const TBoard& board, const SquareRecord& origin, std::int32_t generatorArmy,
                  TMoveListBase& list) {
    const TPiece& pawn = board.At(origin.rank, origin.file);
    const TStep(&steps)[3] = kPawnSteps[generatorArmy];
    list.Clear();
    for (int i = 0; i < 3; ++i) {
        const int rank = origin.rank + steps[i].rank;
        const int file = origin.file + steps[i].file;
        if (!OnBoard(rank, file)) continue;
        const TPiece& piece = board.At(rank, file);
        const bool listed =
            i == kPawnStraightStep
                ? piece.kind == Empty
                : piece.kind != Empty && piece.army != pawn.army && piece.army != pawn.ally;
        if (listed)
            list.Push(
                MakeRecord(rank, file, piece, OnPromotionLine(generatorArmy, rank, file) ? 1 : 0));
    }
    list.Close(origin);
    return list.Size();
}

}  // namespace

int QueenMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
               TMoveListBase& list) {
    return JumpMoves(board, origin, army, kGeometry.queen, list);
}

int HorseMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
               TMoveListBase& list) {
    return JumpMoves(board, origin, army, kGeometry.horse, list);
}

int RookMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
              TMoveListBase& list) {
    return RayMoves(board, origin, army, kGeometry.rook, list);
}

int BishopMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
                TMoveListBase& list) {
    return RayMoves(board, origin, army, kGeometry.bishop, list);
}

int PawnMoves(const TBoard& board, const SquareRecord& origin, TMoveListBase& list) {
    const std::int32_t army = board.At(origin.rank, origin.file).army;
    if (!ValidArmy(army)) [[unlikely]]
        ThrowBadArmy(army);
    return ArmyPawnMoves(board, origin, army, list);
}

int PieceMoves(const TBoard& board, const SquareRecord& origin, std::int32_t kind,
               TMoveListBase& list) {
    const std::int32_t army = board.At(origin.rank, origin.file).army;
    switch (kind) {
        case HorsePawn:
        case QueenPawn:
        case RookPawn:
        case BishopPawn:
            return PawnMoves(board, origin, list);
        case Queen:
            return QueenMoves(board, origin, army, list);
        case Horse:
            return HorseMoves(board, origin, army, list);
        case Rook:
            return RookMoves(board, origin, army, list);
        case King:
            return KingMoves(board, origin, army, list);
        case Bishop:
            return BishopMoves(board, origin, army, list);
        default:
            ThrowBadKind(kind);
    }
}

bool ListContains(const SquareRecord& origin, const SquareRecord& target,
                  const TMoveListBase& list) {
    const int examined = list.Size() < 15 ? list.Size() : 15;
    for (int i = 0; i < examined; ++i) {
        const SquareRecord& record = list[i];
        if (record.rank == origin.rank && record.file == origin.file) return false;
        if (record.rank == target.rank && record.file == target.file) return true;
    }
    return false;
}

std::int32_t AdvanceBonus(std::int32_t army, int rank, int file) {
    int line;  // the destination's line counted along the army's direction of travel
    switch (army) {
        case Fire:
            line = rank;
            break;
        case Earth:
            line = file;
            break;
        case Air:
            line = 9 - rank;
            break;
        case Water:
            line = 9 - file;
            break;
        default:
            ThrowBadArmy(army);
    }
    return line == 6 ? 5 : line == 7 ? 10 : 0;
}

bool OnPromotionLine(std::int32_t army, int rank, int file) {
    switch (army) {
        case Fire:
            return rank == 8;
        case Earth:
            return file == 8;
        case Air:
            return rank == 1;
        case Water:
            return file == 1;
        default:
            ThrowBadArmy(army);
    }
}

}  // namespace vaeloric
