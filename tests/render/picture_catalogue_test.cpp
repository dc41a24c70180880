// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/pictures/picture_catalogue.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/gui_application.h"

namespace vaeloric {
namespace {

namespace ids = picture_ids;

void App() {
    test::EnsureGuiApplication();
}

constexpr char kLetters[] = {'W', 'A', 'E', 'F'};

// Every number a program draws, with the size it is drawn at, built from the
// same rules the board, the panels and the dialogs follow.
std::map<int, QSize> ExpectedPictures(char letter) {
    std::map<int, QSize> expected;
    expected[ids::BoardPictureId(letter)] = {400, 400};
    expected[999] = {25, 25};
    for (int army = 1; army <= 4; ++army) {
        for (int kind = 1; kind <= 9; ++kind) {
            for (bool symbolic : {false, true})
                expected[ids::PieceId(kind, army, symbolic, letter)] = {50, 50};
        }
        expected[ids::KingBadgeId(army)] = {30, 30};
    }
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            expected[ids::SquarePictureId(letter, rank, file, false)] = {150, 150};
            expected[ids::SquarePictureId(letter, rank, file, true)] = {150, 150};
            expected[ids::RulerId(letter, rank, file)] = {150, 250};
        }
    }
    for (int kind = 1; kind <= 9; ++kind) {
        if (kind != 8) expected[ids::LargePieceId(letter, 10, kind >= 5 ? kind : 5)] = {150, 250};
        expected[ids::LargePieceId(letter, kind, 0)] = {150, 250};
    }
    expected[ids::LargeKingOverlayId(letter)] = {100, 100};
    // All fifteen rulers are shared, also those this board's table does not name.
    for (int ruler = 8001; ruler <= 8015; ++ruler) expected[ruler] = {150, 250};
    expected[8016] = {150, 270};
    expected[8017] = {100, 120};
    for (int face = 1; face <= 6; ++face) expected[450 + face] = {40, 40};
    for (int id : {1900, 1901, 1905, 1906}) expected[id] = {62, 30};
    for (int id : {1910, 1911}) expected[id] = {62, 50};
    for (int id = 419; id <= 424; ++id) expected[id] = {80, 80};
    return expected;
}

TEST(PictureCatalogue, ServesEveryNumberAtItsSize) {
    App();
    for (char letter : kLetters) {
        const TPictureCatalogue catalogue(letter);
        for (const auto& [id, size] : ExpectedPictures(letter)) {
            SCOPED_TRACE(testing::Message() << letter << " picture " << id);
            ASSERT_TRUE(catalogue.Has(id));
            EXPECT_EQ(catalogue.SizeOf(id), size);
            const QPixmap picture = catalogue.Picture(id);
            ASSERT_FALSE(picture.isNull());
            EXPECT_EQ(picture.size(), size);
        }
    }
}

TEST(PictureCatalogue, IdsAreExactlyTheProgramsOwnPlusCursorsAndIcon) {
    for (char letter : kLetters) {
        const TPictureCatalogue catalogue(letter);
        std::set<int> expected;
        for (const auto& entry : ExpectedPictures(letter)) expected.insert(entry.first);
        for (int id : {200, 1001, 1002, 1003, 1004, 1005, 1006, 1009}) expected.insert(id);
        const std::vector<int> ids = catalogue.Ids();
        EXPECT_EQ(std::set<int>(ids.begin(), ids.end()), expected) << letter;
        EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));
    }
}

TEST(PictureCatalogue, DoesNotServeAnotherBoardsOwnPictures) {
    App();
    for (char letter : kLetters) {
        const TPictureCatalogue catalogue(letter);
        for (char other : kLetters) {
            if (other == letter) continue;
            SCOPED_TRACE(testing::Message() << letter << " asked for " << other);
            for (int id :
                 {ids::BoardPictureId(other), ids::PieceId(5, 1, false, other),
                  ids::SquarePictureId(other, 1, 1, false), ids::SquarePictureId(other, 8, 8, true),
                  ids::LargePieceId(other, 8, 0), ids::LargeKingOverlayId(other)}) {
                EXPECT_FALSE(catalogue.Has(id)) << id;
                EXPECT_TRUE(catalogue.SizeOf(id).isEmpty()) << id;
                EXPECT_TRUE(catalogue.Picture(id).isNull()) << id;
            }
        }
        for (int id : {0, 1, 450, 457, 1007, 1500 + 4, 2000, 2017, 2285 + 1, 5000, 9999, -3}) {
            EXPECT_FALSE(catalogue.Has(id)) << id;
        }
    }
}

TEST(PictureIds, FollowTheBoardNumbering) {
    struct TCase {
        int got, want;
    };
    const TCase cases[] = {
        {ids::PieceId(5, 1, false, 'W'), 2180},
        {ids::PieceId(5, 1, true, 'W'), 2280},
        {ids::PieceId(6, 2, false, 'W'), 2151},
        {ids::PieceId(5, 3, false, 'W'), 2160},
        {ids::PieceId(9, 4, false, 'E'), 2074},
        {ids::PieceId(8, 1, false, 'F'), 2233},
        {ids::PieceId(7, 3, false, 'A'), 2112},
        {ids::PieceId(1, 2, false, 'A'), 2001},
        {ids::PieceId(3, 1, true, 'A'), 2015},
        {ids::PieceId(4, 3, false, 'A'), 2008},
        {ids::PieceId(2, 4, false, 'A'), 2010},
        {ids::PieceId(10, 1, false, 'A'), 0},
        {ids::PieceId(5, 0, false, 'A'), 0},
        {ids::KingBadgeId(2), 2255},
        {ids::KingBadgeId(3), 2265},
        {ids::KingBadgeId(4), 2275},
        {ids::KingBadgeId(1), 2285},
        {ids::BoardPictureId('A'), 1500},
        {ids::BoardPictureId('W'), 1501},
        {ids::BoardPictureId('F'), 1502},
        {ids::BoardPictureId('E'), 1503},
        {ids::SquarePictureId('W', 1, 1, false), 5201},
        {ids::SquarePictureId('W', 8, 8, false), 5264},
        {ids::SquarePictureId('W', 1, 1, true), 6201},
        {ids::SquarePictureId('E', 2, 3, false), 5018},
        {ids::SquarePictureId('F', 8, 8, true), 6364},
        {ids::LargePieceId('E', 5, 0), 7000},
        {ids::LargePieceId('F', 9, 0), 7034},
        {ids::LargePieceId('A', 10, 6), 7011},
        {ids::LargePieceId('W', 3, 0), 7042},
        {ids::LargeKingOverlayId('W'), 7025},
        {ids::RulerId('E', 8, 1), 8014},
        {ids::RulerId('E', 1, 8), 8009},
        {ids::RulerId('A', 7, 3), 8010},
        {ids::RulerId('W', 5, 5), 8010},
        {ids::RulerId('F', 4, 1), 8009},
        {ids::RulerId('F', 8, 8), 8002},
        {ids::HeldPieceCursorId(3), 1002},
        {ids::HeldPieceCursorId(9), 1009},
        {ids::HeldPieceCursorId(6), 1004},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].got, cases[i].want) << "case " << i;
    EXPECT_EQ(ids::KingBadgeOffset(1).x, 20);
    EXPECT_EQ(ids::KingBadgeOffset(2).y, 20);
    EXPECT_EQ(ids::KingBadgeOffset(4).x, 20);
}

// Pictures that lie over the board or a square keep a transparent ground;
// the panels and squares cover their whole rectangle.
TEST(PictureCatalogue, GroundIsTransparentOnlyWhereItShouldBe) {
    App();
    const TPictureCatalogue catalogue('W');
    for (int id : {2180, 2280, 2001, 2275, 999, 1001, 1003}) {
        const QImage image = catalogue.Picture(id).toImage();
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << id;
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) opaque += qAlpha(image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, image.width() * image.height() / 10) << id;
    }
    for (int id : {1501, 5201, 6264, 7020, 7041, 8003, 8016, 8017, 1900, 1911, 419}) {
        const QImage image = catalogue.Picture(id).toImage();
        for (QPoint p : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1),
                         QPoint(image.width() / 2, image.height() / 2)}) {
            EXPECT_EQ(qAlpha(image.pixel(p)), 255) << id << " at " << p.x() << "," << p.y();
        }
    }
}

// Figures drawn over a square keep clear of its edges: nothing is clipped.
TEST(PictureCatalogue, FiguresStayInsideTheirSquare) {
    App();
    for (char letter : kLetters) {
        const TPictureCatalogue catalogue(letter);
        for (int id : catalogue.Ids()) {
            if (!(id >= 2001 && id <= 2285) && id != 999 && !(id >= 1001 && id <= 1009)) continue;
            const QImage image = catalogue.Picture(id).toImage();
            int touching = 0;
            for (int i = 0; i < image.width(); ++i) {
                touching += qAlpha(image.pixel(i, 0)) > 40;
                touching += qAlpha(image.pixel(i, image.height() - 1)) > 40;
                touching += qAlpha(image.pixel(0, i)) > 40;
                touching += qAlpha(image.pixel(image.width() - 1, i)) > 40;
            }
            EXPECT_EQ(touching, 0) << letter << " picture " << id;
        }
    }
}

TEST(PictureCatalogue, PiecesOfDifferentKindsAndArmiesDiffer) {
    App();
    for (char letter : kLetters) {
        const TPictureCatalogue catalogue(letter);
        std::set<QByteArray> seen;
        for (int id : catalogue.Ids()) {
            if (id < 2001 || id > 2284) continue;
            const QImage image = catalogue.Picture(id).toImage();
            const QByteArray bytes(reinterpret_cast<const char*>(image.constBits()),
                                   image.sizeInBytes());
            EXPECT_TRUE(seen.insert(bytes).second)
                << letter << " picture " << id << " repeats another";
        }
    }
}

TEST(PictureCatalogue, CursorsCarryTheirHotSpotAndTheIconHasSizes) {
    App();
    const TPictureCatalogue catalogue('A');
    for (int id : {1001, 1002, 1003, 1004, 1005, 1006, 1009}) {
        const QCursor cursor = catalogue.Cursor(id);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor) << id;
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << id;
        EXPECT_EQ(cursor.hotSpot(), catalogue.CursorHotSpot(id)) << id;
        // The hot spot lies on the drawing, not on empty ground.
        const QImage image = cursor.pixmap().toImage();
        EXPECT_GT(qAlpha(image.pixel(cursor.hotSpot())), 0) << id;
    }
    EXPECT_EQ(catalogue.Cursor(1007).shape(), Qt::ArrowCursor);
    // On a large board the cursor grows with it, up to twice its size.
    const QCursor zoomed = catalogue.Cursor(1003, 1.5);
    EXPECT_EQ(zoomed.pixmap().size(), QSize(48, 48));
    EXPECT_EQ(zoomed.hotSpot(), catalogue.CursorHotSpot(1003) * 1.5);
    EXPECT_EQ(catalogue.Cursor(1003, 2.47).pixmap().size(), QSize(64, 64));
    const QIcon icon = catalogue.Icon();
    EXPECT_FALSE(icon.isNull());
    EXPECT_GE(icon.availableSizes().size(), 4);
}

TEST(PictureCatalogue, CachesEachPicture) {
    App();
    const TPictureCatalogue catalogue('F');
    EXPECT_EQ(catalogue.Picture(1502).cacheKey(), catalogue.Picture(1502).cacheKey());
}

}  // namespace
}  // namespace vaeloric
