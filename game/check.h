// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/bounded_list.h"
#include "game/moves.h"
#include "game/square.h"

namespace vaeloric {

// Attack means attack by pieces other than Kings: a King never gives check,
// and a CombinedKing attacks only as its companion kind.

// An attacker list: the attackers' squares in the order found, closed by the
// examined square when there is room.
using TAttackerListBase = TBoundedList<TSquare>;
inline constexpr int kAttackerListSize = 24;
using TAttackerList = TFixedList<TSquare, kAttackerListSize>;

// Check status of an army.
inline constexpr std::int32_t kNotInCheck = 0;
inline constexpr std::int32_t kInCheck = 1;
inline constexpr std::int32_t kCheckmated = 2;

// Room of the CheckStatus candidate list.
inline constexpr int kCandidateListSize = 200;

// Fills the list with the enemy pieces (neither the army nor its ally) that
// attack the square, in this order: Queens, Horses, Rooks, Bishops (each also
// as a CombinedKing's companion), then pawns; returns their number. The piece
// on the square itself is not considered; a square off the board has no
// attackers. Throws TInternalError for an army outside 1..4.
int ListAttackers(const TBoard& board, TSquare square, std::int32_t army, TAttackerListBase& list);

// The same number, without a list.
int CountAttackers(const TBoard& board, TSquare square, std::int32_t army);

// True when a neighbour of the square holds a King or CombinedKing of neither
// the army nor its ally.
bool HostileKingAdjacent(const TBoard& board, TSquare square, std::int32_t army);

// Writes the square of the army's King or CombinedKing, the first found
// scanning rank 1..8, file 1..8, and returns true. Without one it returns
// false and leaves the square as the caller set it.
bool FindKing(const TBoard& board, std::int32_t army, TSquare& square);

// The legal King steps of the army's King from the origin, as a move list:
// never onto the army's or its ally's pieces, never next to a hostile King,
// never onto an attacked square (the origin counts as empty for that test).
// A step onto a hostile King may be listed; the legality rule refuses it.
int KingMoves(const TBoard& board, const SquareRecord& origin, std::int32_t army,
              TMoveListBase& list);

// kNotInCheck, kInCheck (the check can be broken) or kCheckmated, for the
// army's King standing on kingSquare. Places and removes probe pieces, so the
// board is changed during the call and restored before it returns.
std::int32_t CheckStatus(TBoard& board, TSquare kingSquare, std::int32_t army);

// CheckStatus of the army's King wherever it stands (FindKing);
// kNotInCheck for an army without a King.
std::int32_t ArmyCheckStatus(TBoard& board, std::int32_t army);

// King steps between the army's King and the Ptah square (the larger of the
// rank and file distances); -1 when the army has no King.
int KingDistanceToPtah(const TBoard& board, std::int32_t army);

}  // namespace vaeloric
