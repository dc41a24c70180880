// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/legal_moves.h"

#include <memory>

#include "game/check.h"
#include "game/legal_scan.h"

namespace vaeloric {

bool TLegalMoveList::Push(const SquareRecord& from, const SquareRecord& to) {
    if (count >= kMaxLegalMoves) return false;
    std::construct_at(reinterpret_cast<TLegalMove*>(raw) + count, TLegalMove{from, to});
    ++count;
    return true;
}

void ListLegalMoves(TBoard& board, std::int32_t army, TDieFace face, TLegalMoveList& list) {
    list.Clear();
    ForEachLegalMove(board, army, face, [&](const SquareRecord& from, const SquareRecord& to) {
        list.Push(from, to);
        return true;
    });
}

int HasNoLegalMove(TBoard& board, TDieFace face, std::int32_t army) {
    // The first legal move answers the question.
    const bool none = ForEachLegalMove(
        board, army, face, [](const SquareRecord&, const SquareRecord&) { return false; });
    return none ? 1 : 0;
}

int MoveExposesKing(TBoard& board, const SquareRecord& from, const SquareRecord& to) {
    TPiece& origin = board.At(from.rank, from.file);
    TPiece& target = board.At(to.rank, to.file);
    const TPiece moving = origin;
    const TPiece standing = target;
    int count = 0;
    if (moving.kind == CombinedKing) {
        // The King half stays; the companion steps away from it.
        TPiece king = moving;
        king.kind = King;
        TPiece companion = moving;
        companion.kind = board.CompanionKind();
        origin = king;
        target = companion;
        count = CountAttackers(board, from.Square(), moving.army);
    } else if (moving.kind >= HorsePawn && moving.kind <= Bishop && moving.kind != King) {
        origin = TPiece{};
        target = moving;
        TSquare king;
        if (FindKing(board, moving.army, king)) count = CountAttackers(board, king, moving.army);
    } else {
        return 0;
    }
    board.At(from.rank, from.file) = moving;
    board.At(to.rank, to.file) = standing;
    return count != 0 ? 1 : 0;
}

}  // namespace vaeloric
