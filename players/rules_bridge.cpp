// SPDX-License-Identifier: GPL-3.0-or-later

#include "players/rules_bridge.h"

#include "game/check.h"
#include "game/make_move.h"
#include "game/moves.h"

namespace vaeloric::players {

static_assert(kPieceListRoom >= kPieceListSize);
static_assert(kAttackerRoom >= kAttackerListSize);

namespace {

int CopyOut(const TMoveListBase& list, SquareRecord* out) {
    for (int i = 0; i < list.Size(); ++i) out[i] = list[i];
    return list.Size();
}

}  // namespace

int GeneratePieceMoves(TBoard& board, TSquare origin, std::int32_t kind, SquareRecord* list) {
    TPieceMoveList moves;
    PieceMoves(board, SquareRecord::At(origin), kind, moves);
    return CopyOut(moves, list);
}

int GenerateKingMoves(TBoard& board, TSquare origin, std::int32_t army, SquareRecord* list) {
    TMoveList<kKingListSize> moves;
    KingMoves(board, SquareRecord::At(origin), army, moves);
    return CopyOut(moves, list);
}

void MakeAnyMove(TBoard& board, TSquare origin, const SquareRecord& target, bool asKing) {
    MakePieceMove(board, SquareRecord::At(origin), target, asKing);
}

void TakeBack(TBoard& board, const SquareRecord& target, TSquare origin) {
    UndoMove(board, target, SquareRecord::At(origin));
}

TSquare KingSquare(const TBoard& board, std::int32_t army) {
    TSquare square{0, 0};
    FindKing(board, army, square);
    return square;
}

int Attackers(TBoard& board, TSquare square, std::int32_t army, TSquare* list) {
    TAttackerList attackers;
    const int n = ListAttackers(board, square, army, attackers);
    for (int i = 0; i < n; ++i) list[i] = attackers[i];
    return n;
}

}  // namespace vaeloric::players
