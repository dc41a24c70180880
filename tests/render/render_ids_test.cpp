// SPDX-License-Identifier: GPL-3.0-or-later

// Picture numbers and board placement: pure arithmetic, no drawing.
#include <gtest/gtest.h>

#include "game/internal_error.h"
#include "game/piece.h"
#include "render/board_geometry.h"
#include "render/picture_ids.h"

namespace vaeloric {
namespace {

TEST(BoardPlacement, CentresAndPullsLeftByStyle) {
    EXPECT_EQ(PlaceBoard(800, TBoardStyle::Coloured), (TBoardOrigin{160, 20}));
    EXPECT_EQ(PlaceBoard(800, TBoardStyle::Simple), (TBoardOrigin{165, 20}));
    // Odd widths and windows narrower than the board truncate toward zero.
    EXPECT_EQ(PlaceBoard(801, TBoardStyle::Coloured).x, 160);
    EXPECT_EQ(PlaceBoard(397, TBoardStyle::Coloured).x, -1 - 40);
}

TEST(BoardPlacement, PointsMapToSquaresWithTheFarEdgesInside) {
    const TBoardOrigin origin{160, 20};
    const struct {
        int x, y;
        bool over;
        int rank, file;
    } rows[] = {
        {160, 20, true, 8, 1},   {560, 420, true, 1, 8},  {559, 419, true, 1, 8},
        {210, 70, true, 7, 2},   {209, 69, true, 8, 1},   {159, 300, false, 0, 0},
        {561, 300, false, 0, 0}, {300, 421, false, 0, 0}, {300, 19, false, 0, 0},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(OverBoard(origin, row.x, row.y), row.over) << row.x << "," << row.y;
        if (!row.over) continue;
        const TSquare square = SquareAtPoint(origin, row.x, row.y);
        EXPECT_EQ(square.rank, row.rank) << row.x << "," << row.y;
        EXPECT_EQ(square.file, row.file) << row.x << "," << row.y;
    }
}

TEST(BoardPlacement, SquareCornersRunFromRankEightAtTheTop) {
    const TBoardOrigin origin{160, 20};
    EXPECT_EQ(SquareCornerOf(origin, 8, 1), (TPixel{160, 20}));
    EXPECT_EQ(SquareCornerOf(origin, 1, 8), (TPixel{510, 370}));
}

struct TPieceCase {
    char letter;
    std::int32_t kind, army;
    TPieceStyle style;
    std::int32_t companion;
    int expected;
};

TEST(PictureIds, PieceByKindArmySetAndProgram) {
    const TPieceCase cases[] = {
        {'W', Queen, 1, TPieceStyle::Gods, Rook, 2180},
        {'W', Queen, 1, TPieceStyle::Symbolic, Rook, 2280},
        {'W', Horse, 2, TPieceStyle::Gods, Rook, 2151},
        {'W', CombinedKing, 3, TPieceStyle::Gods, Queen, 2160},
        {'W', CombinedKing, 3, TPieceStyle::Symbolic, Queen, 2260},
        {'E', Bishop, 4, TPieceStyle::Gods, Horse, 2074},
        {'A', King, 2, TPieceStyle::Gods, Horse, 2103},
        {'F', Rook, 1, TPieceStyle::Gods, Horse, 2232},
        // Pawns are the same in every program and set.
        {'E', HorsePawn, 2, TPieceStyle::Gods, Horse, 2001},
        {'W', BishopPawn, 3, TPieceStyle::Symbolic, Horse, 2008},
        {'A', RookPawn, 4, TPieceStyle::Gods, Horse, 2011},
        {'F', QueenPawn, 1, TPieceStyle::Gods, Horse, 2014},
    };
    for (const TPieceCase& c : cases)
        EXPECT_EQ(PiecePictureId(c.kind, c.army, c.style, c.letter, c.companion), c.expected)
            << c.letter << " kind " << c.kind << " army " << c.army;
}

TEST(PictureIds, ImpossibleArmyOrKindIsAnInternalError) {
    EXPECT_THROW(PiecePictureId(Queen, 0, TPieceStyle::Gods, 'W', Rook), TInternalError);
    EXPECT_THROW(PiecePictureId(Queen, 5, TPieceStyle::Gods, 'W', Rook), TInternalError);
    EXPECT_THROW(PiecePictureId(11, 1, TPieceStyle::Gods, 'W', Rook), TInternalError);
    EXPECT_THROW(PiecePictureId(CombinedKing, 1, TPieceStyle::Gods, 'W', Empty), TInternalError);
    EXPECT_THROW(BoardPictureId('X'), TInternalError);
}

TEST(PictureIds, KingBadgeAndItsCornerPerArmy) {
    const int badge[5] = {0, 2285, 2255, 2265, 2275};
    const TOffset offset[5] = {{}, {20, 20}, {0, 20}, {0, 0}, {20, 0}};
    for (int army = 1; army <= 4; ++army) {
        EXPECT_EQ(KingBadgeId(army), badge[army]);
        EXPECT_EQ(KingBadgeOffset(army), offset[army]);
    }
}

TEST(PictureIds, BoardSquareAndInformationPictures) {
    EXPECT_EQ(BoardPictureId('W'), 1501);
    EXPECT_EQ(BoardPictureId('A'), 1500);
    EXPECT_EQ(BoardPictureId('F'), 1502);
    EXPECT_EQ(BoardPictureId('E'), 1503);
    EXPECT_EQ(SquarePictureId('W', 1, 1, TSquareStyle::English), 5201);
    EXPECT_EQ(SquarePictureId('W', 8, 8, TSquareStyle::English), 5264);
    EXPECT_EQ(SquarePictureId('W', 1, 1, TSquareStyle::Vaeloric), 6201);
    EXPECT_EQ(SquarePictureId('F', 1, 2, TSquareStyle::Vaeloric), 6309);
    EXPECT_EQ(InfoPiecePictureId('A', HorsePawn, Queen), 7040);
    EXPECT_EQ(InfoPiecePictureId('E', Queen, Rook), 7000);
    EXPECT_EQ(InfoPiecePictureId('W', Bishop, Rook), 7024);
    EXPECT_EQ(InfoPiecePictureId('A', CombinedKing, Rook), 7012);
    EXPECT_EQ(InfoKingOverlayId('F'), 7035);
}

TEST(PictureIds, RulerTablesByProgram) {
    struct {
        char letter;
        int rank, file, expected;
    } const cases[] = {
        {'E', 8, 8, 8002}, {'E', 4, 4, 8009}, {'A', 7, 3, 8010}, {'A', 4, 6, 8011},
        {'W', 5, 5, 8010}, {'W', 1, 8, 8010}, {'F', 8, 7, 8010}, {'F', 7, 1, 8011},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RulerPictureId(c.letter, c.rank, c.file), c.expected)
            << c.letter << " rank " << c.rank << " file " << c.file;
}

}  // namespace
}  // namespace vaeloric
