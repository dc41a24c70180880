// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/square.h"

namespace vaeloric {

std::string SquareName(TSquare square) {
    std::string name;
    name += static_cast<char>('A' + square.file - 1);
    name += static_cast<char>('0' + square.rank);
    return name;
}

bool ParseSquareName(const std::string& text, TSquare& square) {
    if (text.size() != 2) return false;
    char file = text[0];
    if (file >= 'a' && file <= 'h') file = static_cast<char>(file - 'a' + 'A');
    const char rank = text[1];
    if (file < 'A' || file > 'H' || rank < '1' || rank > '8') return false;
    square.rank = rank - '0';
    square.file = file - 'A' + 1;
    return true;
}

}  // namespace vaeloric
