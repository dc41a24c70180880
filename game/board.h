// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/piece.h"
#include "game/square.h"

namespace vaeloric {

// The eight order strings. Each letter names the kind that every army puts on
// one of its home squares, from the corner outwards.
inline constexpr const char* kOrderStrings[8] = {"REHS", "SHER", "HSRE", "ERSH",
                                                 "RSHE", "SREH", "HERS", "EHSR"};

// The order string for a board element code (1 Air, 2 Water, 3 Fire, 4 Earth)
// and the Questioner's army.
const char* OrderStringFor(std::int32_t elementCode, std::int32_t questionerArmy);

// The army whose home quarter holds the square: for the Ptah square, the
// Questioner's army.
constexpr std::int32_t QuadrantArmy(TSquare square) {
    if (square.rank >= 5) return square.file >= 5 ? 4 : 3;
    return square.file >= 5 ? 1 : 2;
}

// Element code of a board letter: 'A' 1, 'W' 2, 'F' 3, 'E' 4; 0 for others.
std::int32_t ElementCodeOfLetter(char boardLetter);

// The square an army's King starts on (H1, A1, A8, H8).
TSquare KingHomeSquare(std::int32_t army);

class TBoard {
  public:
    // Empty squares, every army human, then SetUp({2, 1}, 'A').
    TBoard();

    // An unknown board letter keeps the previous board. Player codes must be
    // set before, since every piece takes its army's code.
    void SetUp(TSquare ptahSquare, char boardLetter);

    void SetPlayerCode(std::int32_t army, std::int32_t code);
    std::int32_t GetPlayerCode(std::int32_t army) const;

    // rank and file must be 1..8.
    TPiece GetPiece(int rank, int file) const { return squares[9 - rank][file]; }
    void PutPiece(int rank, int file, const TPiece& piece) { squares[9 - rank][file] = piece; }
    const TPiece& At(int rank, int file) const { return squares[9 - rank][file]; }
    TPiece& At(int rank, int file) { return squares[9 - rank][file]; }

    // Kind named by the first letter of the order string: the kind that
    // shares the King's home square.
    std::int32_t CompanionKind() const { return KindOfOrderLetter(orderString[0]); }

    std::int32_t armyToMove = 1;
    std::int32_t questionerArmy = 1;
    // Row 9 - rank, column file; row 0 and column 0 are unused.
    TPiece squares[9][9];
    const char* orderString = kOrderStrings[0];
    std::int32_t playerCode[4] = {1, 1, 1, 1};
    std::int32_t queenBonus[4] = {0, 0, 0, 0};
    std::int32_t bishopBonus[4] = {0, 0, 0, 0};
    TSquare ptah{0, 0};
    std::int32_t elementCode = 1;

  private:
    void SetBonuses();
};

// Value of a freshly made piece of the kind for the army, with the army's
// Queen or Bishop bonus of 20. Pawns and Horses/Rooks have no bonus.
std::int32_t InitialValue(const TBoard& board, std::int32_t kind, std::int32_t army);

}  // namespace vaeloric
