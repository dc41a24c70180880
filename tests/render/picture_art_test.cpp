// SPDX-License-Identifier: GPL-3.0-or-later

// What the pictures show: the correspondences behind the squares, the
// element colours of the pyramids, and army colours on the pieces.
#include <gtest/gtest.h>

#include <set>

#include "render/pictures/art_common.h"
#include "render/pictures/picture_catalogue.h"
#include "render/pictures/square_lore.h"
#include "tests/support/gui_application.h"

namespace vaeloric {
namespace {

namespace ids = picture_ids;
using art::TElement;

void EnsureApp() {
    test::EnsureGuiApplication();
}

TEST(SquareLore, LayoutsGiveEachSquareItsGroup) {
    struct TCase {
        char letter;
        int rank, file, group;
        const char* sign;
        const char* figure;
    };
    const TCase cases[] = {
        {'W', 8, 1, 13, "AIR", "FORTUNA MINOR"},
        {'A', 1, 1, 12, "EARTH", "CAPUT DRACONIS"},
        {'W', 7, 4, 0, "CAPRICORN", "CARCER"},
        {'A', 5, 5, 3, "ARIES", "PUER"},
        {'W', 1, 8, 7, "LEO", "FORTUNA MAJOR"},
        {'F', 8, 1, 1, "AQUARIUS", "TRISTITIA"},
        {'E', 1, 4, 15, "FIRE", "CAUDA DRACONIS"},
        {'F', 5, 3, 11, "SAGITTARIUS", "ACQUISITIO"},
        // On the Fire and Earth boards B6 and C6 carry each other's correspondences.
        {'F', 6, 2, 12, "EARTH", "CAPUT DRACONIS"},
        {'E', 6, 3, 15, "FIRE", "CAUDA DRACONIS"},
        {'F', 6, 6, 12, "EARTH", "CAPUT DRACONIS"},
        {'E', 6, 7, 15, "FIRE", "CAUDA DRACONIS"},
        {'W', 6, 2, 10, "AIR", "RUBEUS"},
    };
    for (const TCase& c : cases) {
        const art::TSquareLore& lore = art::LoreOf(c.letter, c.rank, c.file);
        EXPECT_EQ(lore.group, c.group) << c.letter << c.rank << c.file;
        EXPECT_STREQ(lore.signName, c.sign) << c.letter << c.rank << c.file;
        EXPECT_STREQ(lore.figureName, c.figure) << c.letter << c.rank << c.file;
    }
    // Each layout uses every group on four squares.
    for (char letter : {'W', 'F'}) {
        std::map<int, int> uses;
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file) ++uses[art::LoreOf(letter, rank, file).group];
        EXPECT_EQ(uses.size(), 16u);
        for (const auto& [group, count] : uses) EXPECT_EQ(count, 4) << letter << " group " << group;
    }
}

TEST(SquareLore, QuartersFollowTheHomeCorners) {
    EXPECT_EQ(art::QuarterElement(1, 8), TElement::Fire);
    EXPECT_EQ(art::QuarterElement(4, 5), TElement::Fire);
    EXPECT_EQ(art::QuarterElement(1, 1), TElement::Earth);
    EXPECT_EQ(art::QuarterElement(8, 4), TElement::Air);
    EXPECT_EQ(art::QuarterElement(5, 5), TElement::Water);
    EXPECT_EQ(art::BoardElement('W'), TElement::Water);
    EXPECT_EQ(art::BoardElement('F'), TElement::Fire);
}

// Sample the middle of a pyramid side of square (rank, file) on a board.
QColor SideColour(const QImage& board, int rank, int file, int dx, int dy) {
    const int x = (file - 1) * 50 + 25 + dx * 19, y = (8 - rank) * 50 + 25 + dy * 19;
    return board.pixelColor(x, y);
}

bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue()) <
           12;
}

TEST(BoardPicture, PyramidSidesCarryBoardQuarterAndSign) {
    EnsureApp();
    for (char letter : {'W', 'A', 'E', 'F'}) {
        const QImage board =
            TPictureCatalogue(letter).Picture(ids::BoardPictureId(letter)).toImage();
        for (int rank = 1; rank <= 8; ++rank) {
            for (int file = 1; file <= 8; ++file) {
                SCOPED_TRACE(testing::Message() << letter << " rank " << rank << " file " << file);
                const QColor quarter = art::ElementTone(art::QuarterElement(rank, file));
                EXPECT_TRUE(Near(SideColour(board, rank, file, -1, 0), art::Shade(quarter, 1.06)));
                EXPECT_TRUE(Near(SideColour(board, rank, file, 1, 0), art::Shade(quarter, 0.84)));
                EXPECT_TRUE(Near(SideColour(board, rank, file, 0, -1),
                                 art::Shade(art::ElementTone(art::BoardElement(letter)), 1.22)));
                EXPECT_TRUE(Near(
                    SideColour(board, rank, file, 0, 1),
                    art::Shade(art::ElementTone(art::LoreOf(letter, rank, file).element), 0.74)));
            }
        }
    }
}

TEST(Pictures, EveryBoardAndSquareSetIsItsOwn) {
    EnsureApp();
    std::set<qint64> boards;
    for (char letter : {'W', 'A', 'E', 'F'}) {
        const TPictureCatalogue catalogue(letter);
        const QImage board = catalogue.Picture(ids::BoardPictureId(letter)).toImage();
        boards.insert(qHash(
            QByteArray(reinterpret_cast<const char*>(board.constBits()), board.sizeInBytes())));
        // Within one program no two square pictures are alike.
        std::set<QByteArray> squares;
        for (int id : catalogue.Ids()) {
            if (id < 5001 || id > 6364) continue;
            const QImage image = catalogue.Picture(id).toImage();
            EXPECT_TRUE(squares
                            .insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                               image.sizeInBytes()))
                            .second)
                << letter << " square " << id;
        }
    }
    EXPECT_EQ(boards.size(), 4u);
}

TEST(Pictures, RulersAreFifteenDifferentPictures) {
    EnsureApp();
    const TPictureCatalogue catalogue('E');
    std::set<QByteArray> rulers;
    for (int id = 8001; id <= 8015; ++id) {
        const QImage image = catalogue.Picture(id).toImage();
        rulers.insert(
            QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    EXPECT_EQ(rulers.size(), 15u);
}

// The army's own colour covers much of every piece of that army, in both sets.
TEST(Pictures, PiecesWearTheirArmyColour) {
    EnsureApp();
    for (char letter : {'W', 'A', 'E', 'F'}) {
        const TPictureCatalogue catalogue(letter);
        for (int army = 1; army <= 4; ++army) {
            const QColor colour = art::ArmyColour(army);
            for (int kind = 1; kind <= 9; ++kind) {
                for (bool symbolic : {false, true}) {
                    const int id = ids::PieceId(kind, army, symbolic, letter);
                    const QImage image =
                        catalogue.Picture(id).toImage().convertToFormat(QImage::Format_ARGB32);
                    int wearing = 0;
                    for (int y = 0; y < image.height(); ++y)
                        for (int x = 0; x < image.width(); ++x) {
                            const QColor pixel = QColor::fromRgba(image.pixel(x, y));
                            const int distance = std::abs(pixel.red() - colour.red()) +
                                                 std::abs(pixel.green() - colour.green()) +
                                                 std::abs(pixel.blue() - colour.blue());
                            wearing += pixel.alpha() == 255 && distance < 90;
                        }
                    EXPECT_GT(wearing, 180) << letter << " picture " << id;
                }
            }
        }
    }
}

}  // namespace
}  // namespace vaeloric
