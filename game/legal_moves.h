// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <new>
#include <type_traits>

#include "game/board.h"
#include "game/die_face.h"
#include "game/square_record.h"

namespace vaeloric {

// One legal move: the origin and the destination (with its capture).
struct TLegalMove {
    SquareRecord from;
    SquareRecord to;
};

// No army can have more moves for one die face than this: every destination
// square is reached by at most four sliders of one kind (one per direction),
// and there are fewer than 64 such squares. Sized so that no move is ever
// dropped, even on boards read from a file with many pieces of one kind.
constexpr int kMaxLegalMoves = 256;

static_assert(std::is_trivially_copyable_v<TLegalMove>);

// The legal moves of an army for a die face, in generation order.
class TLegalMoveList {
  public:
    int Size() const { return count; }
    bool Empty() const { return count == 0; }
    const TLegalMove& operator[](int i) const { return Moves()[i]; }
    const TLegalMove* begin() const { return Moves(); }
    const TLegalMove* end() const { return Moves() + count; }

    void Clear() { count = 0; }
    // The capacity holds every possible list; a push beyond it is refused
    // rather than written past the end.
    bool Push(const SquareRecord& from, const SquareRecord& to);

  private:
    // Raw storage: only the entries pushed are ever read, so a list costs
    // nothing to create however large its capacity.
    const TLegalMove* Moves() const {
        return std::launder(reinterpret_cast<const TLegalMove*>(raw));
    }

    int count = 0;
    alignas(TLegalMove) unsigned char raw[sizeof(TLegalMove) * kMaxLegalMoves];
};

// Every legal move of the army for the die face (1..6; any other face gives
// none): board scan rank 1..8, file 1..8, then each piece's generator order.
// The board is unchanged on return.
void ListLegalMoves(TBoard& board, std::int32_t army, TDieFace face, TLegalMoveList& list);

// 1 when the army has no legal move for the die face (a "Miss Go"), else 0.
int HasNoLegalMove(TBoard& board, TDieFace face, std::int32_t army);

// 1 when making the move would leave the moving piece's own King attacked.
// The board is unchanged on return.
int MoveExposesKing(TBoard& board, const SquareRecord& from, const SquareRecord& to);

}  // namespace vaeloric
