// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

#include "render/display_options.h"
#include "render/pictures/picture_ids.h"

// The numbers of the pictures the board and the panels show, worked out from
// the game state. No drawing here.
namespace vaeloric {

inline constexpr int kPtahMarkerId = picture_ids::kPtahMarker;      // 25 x 25
inline constexpr int kPtahMarkerOffset = 12;                        // within the square
inline constexpr int kThrowButtonUpId = picture_ids::kThrowUp;      // 62 x 30
inline constexpr int kEnterButtonUpId = picture_ids::kEnterUp;      // 62 x 30
inline constexpr int kMoveButtonUpId = picture_ids::kMoveUp;        // 62 x 50
inline constexpr int kEmptyPtahSquareId = picture_ids::kPtahEmpty;  // 150 x 270
inline constexpr int kPtahOverlayId = picture_ids::kPtahOverlay;    // 100 x 120

// Board picture of the program (W 1501, A 1500, F 1502, E 1503).
int BoardPictureId(char boardLetter);

// Offset of the program's own gods set: E 0, A 50, W 100, F 150.
int GodsSetOffset(char boardLetter);

// Board picture of a piece. For a CombinedKing the companion's picture is
// used (companionKind from the board's order string). Throws TInternalError
// for an army outside 1..4 or a kind outside 1..10.
int PiecePictureId(std::int32_t kind, std::int32_t army, TPieceStyle style, char boardLetter,
                   std::int32_t companionKind);

// The King badge drawn over a CombinedKing (30 x 30) and its offset within
// the square.
int KingBadgeId(std::int32_t army);
struct TOffset {
    int dx = 0;
    int dy = 0;
    friend bool operator==(const TOffset&, const TOffset&) = default;
};
TOffset KingBadgeOffset(std::int32_t army);

// Die face picture (451..456).
constexpr int DieFaceId(int face) {
    return picture_ids::kDieFaceBase + face;
}

// The square picture of the information panel (150 x 150).
int SquarePictureId(char boardLetter, int rank, int file, TSquareStyle style);

// The piece picture of the information panel (150 x 250), and the King drawn
// over a CombinedKing there (100 x 100).
int InfoPiecePictureId(char boardLetter, std::int32_t kind, std::int32_t companionKind);
int InfoKingOverlayId(char boardLetter);

// The pyramid ruler picture (8001..8015) of a square.
int RulerPictureId(char boardLetter, int rank, int file);

}  // namespace vaeloric
