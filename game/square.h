// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

namespace vaeloric {

// A board square: rank 1..8 (rank 1 at the bottom) and file 1..8 (A..H).
struct TSquare {
    std::int32_t rank = 0;
    std::int32_t file = 0;
};

constexpr bool SquaresEqual(TSquare a, TSquare b) {
    return a.rank == b.rank && a.file == b.file;
}

constexpr bool OnBoard(int rank, int file) {
    return rank >= 1 && rank <= 8 && file >= 1 && file <= 8;
}

// A1, H1, A8 and H8, which can never be the Ptah square.
constexpr bool IsCornerSquare(int rank, int file) {
    return (rank == 1 || rank == 8) && (file == 1 || file == 8);
}

// "E4" for rank 4, file 5.
std::string SquareName(TSquare square);

// Parses "E4" or "e4"; false for anything else.
bool ParseSquareName(const std::string& text, TSquare& square);

}  // namespace vaeloric
