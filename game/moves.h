// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/bounded_list.h"
#include "game/square_record.h"

namespace vaeloric {

// A move list: the destinations of one piece in generation order, closed by
// a copy of the origin record the generator received (stored when there is
// room). Size() counts the destinations only.
using TMoveListBase = TBoundedList<SquareRecord>;
template <int N>
using TMoveList = TFixedList<SquareRecord, N>;

// Entries each generator needs: its most moves plus the closing record.
inline constexpr int kQueenListSize = 9;
inline constexpr int kHorseListSize = 9;
inline constexpr int kRookListSize = 15;
inline constexpr int kBishopListSize = 14;
inline constexpr int kPawnListSize = 4;
inline constexpr int kKingListSize = 9;
// Room for the moves of any one piece.
inline constexpr int kPieceListSize = 15;
using TPieceMoveList = TMoveList<kPieceListSize>;

// Every generator clears the list, writes the destinations in its fixed order
// (dropping any that do not fit) and closes it with the origin record; it
// returns the number of destinations. Generators never look at check.
//
// Queen, Horse, Rook and Bishop moves ignore the piece on the origin square:
// the army alone decides what is friendly (the army and its ally) and what may
// be captured, so they serve also to find attackers of any square.
int QueenMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
               TMoveListBase& list);
int HorseMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
               TMoveListBase& list);
int RookMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
              TMoveListBase& list);
int BishopMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
                TMoveListBase& list);

// The generator of the army of the pawn on the origin square; throws
// TInternalError for an army outside 1..4.
int PawnMoves(const TBoard& board, const SquareRecord& origin, TMoveListBase& list);

// The moves of the piece on the origin square as a piece of the given kind:
// 1..4 its army's pawn moves, 5 Queen, 6 Horse, 7 Rook, 8 King (KingMoves,
// legal King steps), 9 Bishop. Any other kind, CombinedKing included, throws
// TInternalError: pass CompanionKind() or 8 for a CombinedKing.
int PieceMoves(const TBoard& board, const SquareRecord& origin, std::int32_t kind,
               TMoveListBase& list);

// True when a destination with the target's square is in the list (at most
// the first 15 are examined).
bool ListContains(const SquareRecord& origin, const SquareRecord& target,
                  const TMoveListBase& list);

// The value a pawn of the army gains by moving onto the square: 5 on its
// sixth line, 10 on its seventh, else 0.
std::int32_t AdvanceBonus(std::int32_t army, int rank, int file);

// True when the square lies on the army's promotion line.
bool OnPromotionLine(std::int32_t army, int rank, int file);

}  // namespace vaeloric
