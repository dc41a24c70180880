// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The few rule operations the computer players call, in one place, with the
// shapes the players want (counts, plain arrays of squares).

#include <cstdint>

#include "game/board.h"
#include "game/square_record.h"

namespace vaeloric::players {

// Room for any one piece's move list plus its closing record.
constexpr int kPieceListRoom = 16;
// Room for an attacker list plus its closing square.
constexpr int kAttackerRoom = 25;

// The moves of the kind's generator from the square (CombinedKing callers
// pass the companion kind); returns their number.
int GeneratePieceMoves(TBoard& board, TSquare origin, std::int32_t kind, SquareRecord* list);
// The legal King moves of the army from the square.
int GenerateKingMoves(TBoard& board, TSquare origin, std::int32_t army, SquareRecord* list);

// Makes a move of the piece on the origin (a CombinedKing splits, its King
// half moving when asKing), and takes it back.
void MakeAnyMove(TBoard& board, TSquare origin, const SquareRecord& target, bool asKing);
void TakeBack(TBoard& board, const SquareRecord& target, TSquare origin);

// The square of the army's King; rank 0 when it has none.
TSquare KingSquare(const TBoard& board, std::int32_t army);
// The attackers of the square as enemies of the army, in their order.
int Attackers(TBoard& board, TSquare square, std::int32_t army, TSquare* list);

}  // namespace vaeloric::players
