// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/board.h"
#include "game/square_record.h"

namespace vaeloric {

// Making and taking back moves, with the value bookkeeping the computer
// players rely on. The target record is an entry of the piece's move list
// (or one filled the same way); a move is taken back with UndoMove and the
// very same records.

// Moves the piece on the origin square to the target: advance bonus for a
// pawn, promotion when the target's promotes flag is set, +5 for the pawns of
// a captured piece's kind. For every kind but CombinedKing.
void MakeMove(TBoard& board, const SquareRecord& origin, const SquareRecord& target);

// Splits the CombinedKing on the origin square: asKing moves a fresh King
// (value 50) to the target and leaves a fresh companion behind; otherwise the
// companion moves and the King stays. Throws TInternalError when the origin
// holds no CombinedKing.
void MakeCombinedKingMove(TBoard& board, const SquareRecord& origin, const SquareRecord& target,
                          bool asKing);

// MakeCombinedKingMove for a CombinedKing on the origin square, MakeMove for
// any other piece.
void MakePieceMove(TBoard& board, const SquareRecord& origin, const SquareRecord& target,
                   bool asKing);

// Takes back a move made by either of the above with the same records. Kinds
// and pieces come back exactly, values too except after a promotion, where
// the pawn's value is recomputed from the pieces of its kind left on the board.
void UndoMove(TBoard& board, const SquareRecord& target, const SquareRecord& origin);

// Turns every pawn of the army on its promotion line into its piece. Throws
// TInternalError for an army outside 1..4.
void Promote(TBoard& board, std::int32_t army);

}  // namespace vaeloric
