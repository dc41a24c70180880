// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/board.h"

#include <string>

#include "game/internal_error.h"

namespace vaeloric {

namespace {

// Per army, its four home squares from the corner outwards and the pawn square
// in front of each.
struct THomeSquares {
    TSquare piece[4];
    TSquare pawn[4];
};

constexpr THomeSquares kHome[5] = {
    {},
    {{{1, 8}, {1, 7}, {1, 6}, {1, 5}}, {{2, 8}, {2, 7}, {2, 6}, {2, 5}}},
    {{{1, 1}, {2, 1}, {3, 1}, {4, 1}}, {{1, 2}, {2, 2}, {3, 2}, {4, 2}}},
    {{{8, 1}, {8, 2}, {8, 3}, {8, 4}}, {{7, 1}, {7, 2}, {7, 3}, {7, 4}}},
    {{{8, 8}, {7, 8}, {6, 8}, {5, 8}}, {{8, 7}, {7, 7}, {6, 7}, {5, 7}}},
};

// Ptah bonus table: for rank groups (1,3), (2,4), (5,7), (6,8) and files 1..8,
// the army whose Queen gets the bonus and the first army of the allied pair
// whose Bishops get it (1 for 1+3, 2 for 2+4).
struct TBonus {
    std::int8_t queenArmy;
    std::int8_t bishopPair;
};

constexpr TBonus kBonus[4][8] = {
    {{2, 1}, {1, 2}, {2, 1}, {1, 2}, {1, 2}, {4, 1}, {1, 2}, {4, 1}},
    {{3, 2}, {4, 1}, {3, 2}, {4, 1}, {2, 1}, {3, 2}, {2, 1}, {3, 2}},
    {{1, 2}, {4, 1}, {1, 2}, {4, 1}, {2, 1}, {1, 2}, {2, 1}, {1, 2}},
    {{2, 1}, {3, 2}, {2, 1}, {3, 2}, {3, 2}, {4, 1}, {3, 2}, {4, 1}},
};

void CheckArmy(std::int32_t army) {
    if (army < 1 || army > 4) throw TInternalError("Impossible army code " + std::to_string(army));
}

}  // namespace

const char* OrderStringFor(std::int32_t elementCode, std::int32_t questionerArmy) {
    static constexpr const char* kWaterAir[5] = {nullptr, "HERS", "EHSR", "RSHE", "SREH"};
    static constexpr const char* kFireEarth[5] = {nullptr, "HSRE", "ERSH", "REHS", "SHER"};
    CheckArmy(questionerArmy);
    const char* chosen = (elementCode == 1 || elementCode == 2) ? kWaterAir[questionerArmy]
                                                                : kFireEarth[questionerArmy];
    // Point into the one table of order strings.
    for (const char* s : kOrderStrings) {
        if (std::string(s) == chosen) return s;
    }
    throw TInternalError("Order string missing from its table");
}

std::int32_t ElementCodeOfLetter(char boardLetter) {
    switch (boardLetter) {
        case 'A':
            return 1;
        case 'W':
            return 2;
        case 'F':
            return 3;
        case 'E':
            return 4;
        default:
            return 0;
    }
}

TSquare KingHomeSquare(std::int32_t army) {
    CheckArmy(army);
    return kHome[army].piece[0];
}

TBoard::TBoard() {
    SetUp(TSquare{2, 1}, 'A');
}

void TBoard::SetUp(TSquare ptahSquare, char boardLetter) {
    for (int rank = 8; rank >= 1; --rank)
        for (int file = 1; file <= 8; ++file) PutPiece(rank, file, TPiece{});

    ptah = ptahSquare;
    questionerArmy = QuadrantArmy(ptah);
    armyToMove = questionerArmy;

    if (const std::int32_t code = ElementCodeOfLetter(boardLetter); code != 0) elementCode = code;
    orderString = OrderStringFor(elementCode, questionerArmy);

    SetBonuses();

    for (int j = 0; j < 4; ++j) {
        const std::int32_t kind = KindOfOrderLetter(orderString[j]);
        const std::int32_t pawnKind = PawnKindOf(kind);
        for (std::int32_t army = 1; army <= 4; ++army) {
            TPiece piece{kind, army, AllyOf(army), playerCode[army - 1],
                         InitialValue(*this, kind, army)};
            TPiece pawn{pawnKind, army, AllyOf(army), playerCode[army - 1],
                        InitialValue(*this, pawnKind, army)};
            const TSquare at = kHome[army].piece[j];
            const TSquare front = kHome[army].pawn[j];
            PutPiece(at.rank, at.file, piece);
            PutPiece(front.rank, front.file, pawn);
        }
    }

    for (std::int32_t army = 1; army <= 4; ++army) {
        const TSquare home = kHome[army].piece[0];
        TPiece king = GetPiece(home.rank, home.file);
        king.kind = CombinedKing;
        king.value += 50;
        PutPiece(home.rank, home.file, king);
    }
}

void TBoard::SetBonuses() {
    for (int i = 0; i < 4; ++i) queenBonus[i] = bishopBonus[i] = 0;
    if (!OnBoard(ptah.rank, ptah.file)) return;
    const int group = (ptah.rank == 1 || ptah.rank == 3)   ? 0
                      : (ptah.rank == 2 || ptah.rank == 4) ? 1
                      : (ptah.rank == 5 || ptah.rank == 7) ? 2
                                                           : 3;
    const TBonus bonus = kBonus[group][ptah.file - 1];
    queenBonus[bonus.queenArmy - 1] = 1;
    bishopBonus[bonus.bishopPair - 1] = 1;
    bishopBonus[bonus.bishopPair + 1] = 1;
}

void TBoard::SetPlayerCode(std::int32_t army, std::int32_t code) {
    CheckArmy(army);
    playerCode[army - 1] = code;
    for (int rank = 8; rank >= 1; --rank)
        for (int file = 1; file <= 8; ++file) {
            TPiece& piece = At(rank, file);
            if (piece.army == army) piece.playerCode = code;
        }
}

std::int32_t TBoard::GetPlayerCode(std::int32_t army) const {
    CheckArmy(army);
    return playerCode[army - 1];
}

std::int32_t InitialValue(const TBoard& board, std::int32_t kind, std::int32_t army) {
    switch (kind) {
        case HorsePawn:
            return 13;
        case QueenPawn:
            return 11;
        case RookPawn:
            return 14;
        case BishopPawn:
            return 12;
        case Queen:
            return board.queenBonus[army - 1] ? 50 : 30;
        case Horse:
            return 50;
        case Rook:
            return 80;
        case Bishop:
            return board.bishopBonus[army - 1] ? 60 : 40;
        case King:
            return 50;
        default:
            throw TInternalError("No initial value for kind " + std::to_string(kind));
    }
}

}  // namespace vaeloric
