#include "render/picture_ids.h"

#include <string>

#include "game/internal_error.h"
#include "game/piece.h"

namespace vaeloric {

namespace {

void CheckArmy(std::int32_t army) {
    if (army < 1 || army > 4) throw TInternalError("impossible army " + std::to_string(army));
}

// Programs are told apart by their board letter; anything unknown is an
// internal error rather than a silent wrong picture.
int ByBoard(char boardLetter, int earth, int air, int water, int fire) {
    switch (boardLetter) {
        case 'E':
            return earth;
        case 'A':
            return air;
        case 'W':
            return water;
        case 'F':
            return fire;
        default:
            throw TInternalError(std::string("unknown board letter ") + boardLetter);
    }
}

// Rows rank 8 down to 1, columns files A..H; the number is 8000 + entry.
using TRulerTable = std::array<std::array<std::uint8_t, 8>, 8>;
// clang-format off
constexpr TRulerTable kEarthRulers{{{14, 14, 1, 14, 14, 6, 12, 2},
                                    {15, 15, 15, 1, 1, 12, 12, 12},
                                    {7, 3, 15, 14, 14, 3, 12, 6},
                                    {5, 7, 15, 14, 14, 14, 1, 14},
                                    {3, 15, 12, 9, 9, 15, 12, 4},
                                    {3, 14, 6, 12, 12, 1, 12, 12},
                                    {3, 7, 14, 15, 15, 15, 1, 15},
                                    {3, 3, 3, 3, 3, 15, 12, 9}}};
constexpr TRulerTable kAirRulers{{{5, 14, 15, 7, 13, 14, 8, 2},
                                  {5, 13, 10, 15, 13, 13, 5, 8},
                                  {5, 8, 13, 14, 1, 14, 8, 14},
                                  {5, 5, 5, 5, 13, 1, 13, 13},
                                  {7, 15, 14, 5, 13, 11, 15, 4},
                                  {14, 1, 14, 14, 1, 15, 15, 15},
                                  {15, 15, 1, 15, 13, 5, 15, 11},
                                  {3, 15, 14, 7, 13, 13, 1, 13}}};
constexpr TRulerTable kWaterRulers{{{14, 14, 1, 14, 2, 2, 2, 2},
                                    {13, 13, 13, 1, 13, 14, 8, 2},
                                    {8, 2, 13, 14, 12, 6, 14, 2},
                                    {5, 8, 13, 14, 10, 12, 13, 2},
                                    {14, 1, 14, 14, 10, 13, 12, 4},
                                    {6, 12, 2, 14, 12, 1, 12, 12},
                                    {12, 12, 12, 1, 13, 13, 1, 13},
                                    {3, 12, 6, 14, 2, 13, 12, 10}}};
constexpr TRulerTable kFireRulers{{{13, 1, 13, 13, 13, 12, 10, 2},
                                   {11, 15, 4, 13, 13, 12, 4, 10},
                                   {15, 15, 15, 1, 1, 12, 12, 12},
                                   {5, 15, 11, 13, 13, 1, 13, 13},
                                   {9, 15, 12, 4, 4, 4, 4, 4},
                                   {12, 1, 12, 12, 12, 13, 10, 4},
                                   {15, 15, 1, 15, 15, 11, 13, 4},
                                   {3, 15, 12, 9, 9, 15, 12, 4}}};
// clang-format on

void CheckSquare(int rank, int file) {
    if (rank < 1 || rank > 8 || file < 1 || file > 8) throw TInternalError("square off the board");
}

}  // namespace

int BoardPictureId(char boardLetter) {
    return ByBoard(boardLetter, 1503, 1500, 1501, 1502);
}

int GodsSetOffset(char boardLetter) {
    return ByBoard(boardLetter, 0, 50, 100, 150);
}

int PiecePictureId(std::int32_t kind, std::int32_t army, TPieceStyle style, char boardLetter,
                   std::int32_t companionKind) {
    CheckArmy(army);
    if (kind >= 1 && kind <= 4) {
        constexpr int kPawnBase[5] = {0, 2012, 2000, 2004, 2008};
        return kind + kPawnBase[army];
    }
    if (kind == CombinedKing) kind = companionKind;
    if (kind < 5 || kind > 9) throw TInternalError("impossible piece kind " + std::to_string(kind));
    constexpr int kArmyBase[5] = {0, 2075, 2045, 2055, 2065};
    const int setOffset = style == TPieceStyle::Symbolic ? 200 : GodsSetOffset(boardLetter);
    return kind + setOffset + kArmyBase[army];
}

int KingBadgeId(std::int32_t army) {
    CheckArmy(army);
    constexpr int kBadge[5] = {0, 2285, 2255, 2265, 2275};
    return kBadge[army];
}

TOffset KingBadgeOffset(std::int32_t army) {
    CheckArmy(army);
    constexpr TOffset kOffset[5] = {{0, 0}, {20, 20}, {0, 20}, {0, 0}, {20, 0}};
    return kOffset[army];
}

int SquarePictureId(char boardLetter, int rank, int file, TSquareStyle style) {
    CheckSquare(rank, file);
    const int base = ByBoard(boardLetter, 5000, 5100, 5200, 5300);
    return base + (file - 1) * 8 + rank + (style == TSquareStyle::Vaeloric ? 1000 : 0);
}

int InfoPiecePictureId(char boardLetter, std::int32_t kind, std::int32_t companionKind) {
    if (kind >= 1 && kind <= 4) return 7039 + kind;
    if (kind == CombinedKing) kind = companionKind;
    const int base = ByBoard(boardLetter, 7000, 7010, 7020, 7030);
    switch (kind) {
        case 5:
            return base + 0;  // Queen
        case 6:
            return base + 1;  // Horse
        case 7:
            return base + 2;  // Rook
        case 8:
            return base + 3;  // King
        case 9:
            return base + 4;  // Bishop
        default:
            throw TInternalError("impossible piece kind " + std::to_string(kind));
    }
}

int InfoKingOverlayId(char boardLetter) {
    return ByBoard(boardLetter, 7000, 7010, 7020, 7030) + 5;
}

int RulerPictureId(char boardLetter, int rank, int file) {
    CheckSquare(rank, file);
    const TRulerTable& table =
        boardLetter == 'E'   ? kEarthRulers
        : boardLetter == 'A' ? kAirRulers
        : boardLetter == 'W' ? kWaterRulers
        : boardLetter == 'F'
            ? kFireRulers
            : throw TInternalError(std::string("unknown board letter ") + boardLetter);
    return 8000 + table[8 - rank][file - 1];
}

}  // namespace vaeloric
