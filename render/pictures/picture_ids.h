// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace vaeloric {

// Picture numbers of the four board programs. Everything that turns a piece,
// square or button into a picture number lives here, so that the board, the
// panels and the dialogs agree with the catalogue.
namespace picture_ids {

constexpr int kIcon = 200;
constexpr int kDieFaceBase = 450;  // 451..456
constexpr int kPtahMarker = 999;
constexpr int kBoardCursor = 1001;
constexpr int kThrowUp = 1900, kThrowDown = 1901;
constexpr int kEnterUp = 1905, kEnterDown = 1906;
constexpr int kMoveUp = 1910, kMoveDown = 1911;
constexpr int kPtahEmpty = 8016;    // 150 x 270, an empty Ptah square
constexpr int kPtahOverlay = 8017;  // 100 x 120, laid over a piece picture
constexpr int kFirstRuler = 8001, kLastRuler = 8015;

// Large pictures of the piece information dialog.
constexpr int kLargeKing = 419, kLargeRook = 420, kLargeHorse = 421;
constexpr int kLargeQueen = 422, kLargePawn = 423, kLargeBishop = 424;
constexpr int kSmallPawn = 2015;

bool IsBoardLetter(char letter);

// Board picture: Air 1500, Water 1501, Fire 1502, Earth 1503; 0 if unknown.
int BoardPictureId(char letter);
// Gods set offset: Earth 0, Air 50, Water 100, Fire 150.
int GodsSetOffset(char letter);
// Square base: Earth 5000, Air 5100, Water 5200, Fire 5300.
int SquareBase(char letter);
// Large piece base: Earth 7000, Air 7010, Water 7020, Fire 7030.
int LargePieceBase(char letter);

// The 50 x 50 picture of a piece of `kind` 1..9 and `army` 1..4; kind 10 is
// not a picture of its own (draw its companion, then KingBadgeId). 0 for
// codes outside the ranges.
int PieceId(int kind, int army, bool symbolic, char letter);
// The 30 x 30 badge of a piece joined with its King.
int KingBadgeId(int army);
// Where the badge sits within the 50-pixel square, by army.
struct TOffset {
    int x, y;
};
TOffset KingBadgeOffset(int army);

// The 150 x 150 square picture (file and rank 1..8).
int SquarePictureId(char letter, int rank, int file, bool vaelericStyle);
// The 150 x 250 picture of a piece of `kind` 1..10 for the information panel.
int LargePieceId(char letter, int kind, int companionKind);
// The 100 x 100 King laid over a joined piece's picture.
int LargeKingOverlayId(char letter);
// The pyramid ruler of a square (8001..8015).
int RulerId(char letter, int rank, int file);

// Cursor shown while a piece of this kind is held (1002..1006, 1009).
int HeldPieceCursorId(int kind);

// Every picture number of the program with this board letter, ascending.
std::vector<int> AllIds(char letter);

}  // namespace picture_ids
}  // namespace vaeloric
