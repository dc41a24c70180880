// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the piece information dialog says and shows for each kind of piece.
// No window system here.

namespace vaeloric {

struct TPieceInfo {
    int radioId;
    const char* label;
    const char* description;
    const char* dieValue;
    int largePicture;
    // The small picture is the program's own piece picture at its piece base
    // plus this offset, or the shared picture `sharedSmallPicture` when the
    // offset is negative.
    int smallOffset;
    int sharedSmallPicture;
};

// Radio buttons in their order on the dialog.
inline constexpr TPieceInfo kPieceInfos[6] = {
    {101, "King", "KING: The KING moves as the KING in common chess.", "DICE ROLL: 1", 419, 33, 0},
    {102, "Horse", "HORSE: The HORSE moves as the KNIGHT in common chess.", "DICE ROLL: 2", 421, 31,
     0},
    {103, "Bishop", "BISHOP: The BISHOP moves as the BISHOP in common chess.", "DICE ROLL: 3", 424,
     34, 0},
    {104, "Queen",
     "QUEEN: The QUEEN moves two squares in any direction, and may hop over any interposing "
     "piece.",
     "DICE ROLL: 4", 422, 30, 0},
    {105, "Rook", "ROOK: The ROOK moves as the ROOK in common chess.", "DICE ROLL: 5", 420, 32, 0},
    {106, "Pawn",
     "PAWN: The PAWN moves one square ahead each move. It captures diagonally as the PAWN in "
     "common chess.",
     "DICE ROLL: 1 or 6", 423, -1, 2015},
};

inline constexpr const char* kPieceInfoCaption = "Piece Information";
inline constexpr const char* kPieceInfoPrompt = "Select a piece.";
inline constexpr const char* kPieceInfoFrameText = "Information";
inline constexpr int kPieceInfoResource = 308;
inline constexpr int kPieceInfoWidth = 123, kPieceInfoHeight = 195;
inline constexpr int kPieceInfoFontPoints = 8;
inline constexpr int kDescriptionId = 107, kDieValueId = 108, kInformationFrameId = 109;
inline constexpr int kLargePictureFrameId = 111, kSmallPictureFrameId = 112;

// The program's piece picture base by board element code (1 Air, 2 Water,
// 3 Fire, 4 Earth); 0 for another code.
constexpr int PieceBaseOfElement(int elementCode) {
    switch (elementCode) {
        case 1:
            return 2100;
        case 2:
            return 2150;
        case 3:
            return 2200;
        case 4:
            return 2050;
        default:
            return 0;
    }
}

constexpr int SmallPictureOf(const TPieceInfo& info, int elementCode) {
    return info.smallOffset < 0 ? info.sharedSmallPicture
                                : PieceBaseOfElement(elementCode) + info.smallOffset;
}

}  // namespace vaeloric
