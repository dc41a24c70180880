// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Building test positions by square name.

#include <string>

#include "game/board.h"
#include "game/internal_error.h"
#include "game/piece.h"
#include "game/square.h"
#include "game/square_record.h"

namespace vaeloric::test {

inline TSquare Sq(const char* name) {
    TSquare square;
    if (!ParseSquareName(name, square)) throw TInternalError(std::string("bad square ") + name);
    return square;
}

// A set-up board (status decides order string and bonuses) with every square
// emptied.
inline TBoard EmptyBoard(const char* status = "21A") {
    TBoard board;
    board.SetUp(TSquare{status[0] - '0', status[1] - '0'}, status[2]);
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) board.PutPiece(rank, file, TPiece{});
    return board;
}

inline TPiece MakePiece(std::int32_t kind, std::int32_t army, std::int32_t value = 0) {
    return TPiece{kind, army, AllyOf(army), 1, value};
}

inline void Put(TBoard& board, const char* square, std::int32_t kind, std::int32_t army,
                std::int32_t value = 0) {
    const TSquare at = Sq(square);
    board.PutPiece(at.rank, at.file, MakePiece(kind, army, value));
}

inline const TPiece& On(const TBoard& board, const char* square) {
    const TSquare at = Sq(square);
    return board.At(at.rank, at.file);
}

inline SquareRecord Origin(const char* square) {
    return SquareRecord::At(Sq(square));
}

// Squares of a list, as names, in list order.
template <typename TList>
std::string Names(const TList& list) {
    std::string names;
    for (const auto& entry : list) {
        if (!names.empty()) names += ' ';
        names += SquareName(TSquare{entry.rank, entry.file});
    }
    return names;
}

inline bool SameBoard(const TBoard& a, const TBoard& b) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (!(a.At(rank, file) == b.At(rank, file))) return false;
    return true;
}

}  // namespace vaeloric::test
