// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading/move_reading.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "game/internal_error.h"
#include "reading/correspondences.h"

namespace vaeloric {
namespace {

constexpr int kAir = 1, kWater = 2, kFire = 3, kEarth = 4;

const std::string kMaximum =
    "The magikal influence and effect of this piece in this board quarter is at its maximum.\n\n";
const std::string kStrong =
    "The magikal influence and effect of this piece in this board quarter is strong.\n\n";
const std::string kWeak =
    "The magikal influence and effect of this piece in this board quarter is weak.\n\n";
const std::string kWeakest =
    "The magikal influence and effect of this piece in this board quarter is at its weakest.\n\n";
const std::string kByLevel[5] = {"\n", kWeakest, kWeak, kStrong, kMaximum};

// The non-zero inputs, unit -> value.
std::map<int, float> Inputs(int elementCode, int rank, int file, TPiece piece, bool questioner,
                            bool wholeGame) {
    TNetworkBlock block;
    EncodeMove(block, elementCode, rank, file, piece, questioner, wholeGame);
    std::map<int, float> inputs;
    for (int unit = 0; unit < kUnitCount; ++unit)
        if (block.ExternalInput(unit) != 0.0f) inputs[unit] = block.ExternalInput(unit);
    return inputs;
}

TEST(SquareLayouts, SampledSquares) {
    // clang-format off
    struct { int element, rank, file, aspect, input; } cases[] = {
        {kAir, 8, 1, 13, 13},   {kWater, 4, 7, 0, 0},    {kFire, 8, 8, 10, 10},
        {kFire, 6, 2, 15, 12},  {kEarth, 6, 3, 12, 15},  {kFire, 6, 6, 12, 12},
        {kEarth, 6, 7, 15, 15}, {kAir, 6, 2, 10, 10},    {kWater, 6, 3, 7, 7},
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(AspectGroup(c.element, c.rank, c.file), c.aspect)
            << c.element << c.rank << c.file;
        EXPECT_EQ(InputGroup(c.element, c.rank, c.file), c.input) << c.element << c.rank << c.file;
    }
    EXPECT_THROW(AspectGroup(0, 1, 1), TInternalError);
    EXPECT_THROW(AspectGroup(5, 1, 1), TInternalError);
}

TEST(PieceInputs, EachKindAndArmy) {
    // D7 on the Air board is group 0: Capricorn, THE DEVIL, CARCER.
    const std::map<int, float> square = {{Capricorn, 1.0f}, {TheDevil, 1.0f}, {Carcer, 1.0f}};
    // clang-format off
    struct { int kind, army; std::map<int, float> inputs; } cases[] = {
        {HorsePawn, 3, {{Tiphareth, 1}, {FireUnit, 1}, {AirUnit, 1}, {EarthUnit, 1}, {Mars, 1}, {82, 1}}},
        {QueenPawn, 1, {{Tiphareth, 1}, {WaterUnit, 1}, {AirUnit, 1}, {EarthUnit, 1}, {Luna, 1}, {73, 1}}},
        {RookPawn, 2, {{Tiphareth, 1}, {FireUnit, 1}, {WaterUnit, 1}, {EarthUnit, 1}, {Saturn, 1}, {90, 1}}},
        {BishopPawn, 4, {{Tiphareth, 1}, {FireUnit, 1}, {WaterUnit, 1}, {AirUnit, 1}, {Mercury, 1}, {79, 1}}},
        {Queen, 2, {{Binah, 1}, {Luna, 1}, {88, 3}, {EarthUnit, 1}}},
        {Horse, 4, {{Chokmah, 1}, {77, 3}, {WaterUnit, 1}, {Jupiter, 1}}},
        {Rook, 3, {{Geburah, 1}, {85, 3}, {AirUnit, 1}, {Venus, 1}}},
        {King, 2, {{Kether, 1}, {86, 3}, {Malkuth, 1}, {EarthUnit, 1}, {Sol, 1}}},
        {King, 4, {{Kether, 1}, {76, 3}, {WaterUnit, 1}, {Neptune, 1}}},
        {Bishop, 4, {{Chesed, 1}, {Mercury, 1}, {79, 3}, {WaterUnit, 1}}},
        {CombinedKing, 1, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::map<int, float> expected = c.inputs;
        expected.insert(square.begin(), square.end());
        EXPECT_EQ(Inputs(kAir, 7, 4, TPiece{c.kind, c.army}, false, false), expected)
            << "kind " << c.kind << " army " << c.army;
        // The whole-game pass lowers every 3.0 to 1.0.
        for (auto& [unit, value] : expected) value = 1.0f;
        EXPECT_EQ(Inputs(kAir, 7, 4, TPiece{c.kind, c.army}, false, true), expected)
            << "kind " << c.kind << " army " << c.army;
    }
    EXPECT_THROW(Inputs(kAir, 7, 4, TPiece{Queen, 0}, false, false), TInternalError);
    EXPECT_THROW(Inputs(kAir, 7, 4, TPiece{11, 1}, false, false), TInternalError);
}

TEST(PieceInputs, QuestionersKingRaisesSol) {
    for (int army = 1; army <= 4; ++army) {
        const TPiece king{King, army};
        EXPECT_EQ(Inputs(kAir, 7, 4, king, true, false).at(Sol), 3.0f) << army;
        EXPECT_EQ(Inputs(kAir, 7, 4, king, true, true).at(Sol), 1.0f) << army;
        EXPECT_EQ(Inputs(kAir, 7, 4, king, false, false).count(Sol), army == 2 ? 1u : 0u) << army;
    }
    // Only a King: a Questioner's Queen does not touch Sol.
    EXPECT_EQ(Inputs(kAir, 7, 4, TPiece{Queen, 1}, true, false).count(Sol), 0u);
}

TEST(Influence, QueenOfFireInTheLowerLeftQuarter) {
    // B2: the Air board gives the weak sentence, the Fire board none.
    EXPECT_EQ(ReadingSentence(kAir, 2, 2, TPiece{Queen, 1}, false), kWeak);
    EXPECT_EQ(ReadingSentence(kFire, 2, 2, TPiece{Queen, 1}, false), "\n");
    TReadingRecord record;
    ReadMove(record, kFire, 2, 2, TPiece{Queen, 1}, false, true);
    EXPECT_EQ(record.moveText.substr(0, 2), "\nQ");  // then the court card: QUEEN of WANDS
}

TEST(Influence, PawnsDependOnlyOnKindAndQuarter) {
    // Quarters: ranks 1-4 files 1-4, ranks 1-4 files 5-8, ranks 5-8 files 1-4, the rest.
    const int levels[4][4] = {{2, 3, 4, 1}, {4, 1, 2, 3}, {3, 2, 1, 4}, {1, 4, 3, 2}};
    for (int element = 1; element <= 4; ++element)
        for (int army = 1; army <= 4; ++army)
            for (int kind = HorsePawn; kind <= BishopPawn; ++kind)
                for (int rank = 1; rank <= 8; ++rank)
                    for (int file = 1; file <= 8; ++file) {
                        const int quarter = (rank >= 5 ? 2 : 0) + (file >= 5 ? 1 : 0);
                        // No aspect or advice sentence follows, whatever the square.
                        ASSERT_EQ(
                            ReadingSentence(element, rank, file, TPiece{kind, army}, army == 1),
                            kByLevel[levels[quarter][kind - 1]])
                            << element << army << kind << rank << file;
                    }
}

TEST(Sentences, AspectAndAdvice) {
    const std::string veryBad = "The move to this square by this piece is very badly aspected.\n\n";
    const std::string bad = "The move to this square by this piece is badly aspected.\n\n";
    const std::string veryGood =
        "The move to this square by this piece is very favourably aspected.\n\n";
    // clang-format off
    struct { int element, rank, file, kind, army; bool questioner; std::string expected; } cases[] = {
        // D7 on the Air board is group 0: every Queen is very badly aspected.
        {kAir, 7, 4, Queen, 3, false, "\n" + veryBad},
        // G8 on the Air board, group 1: the Questioner's King speaks as army 2's.
        {kAir, 8, 7, King, 1, false, kWeak + bad},
        {kAir, 8, 7, King, 1, true, kWeakest + veryBad},
        {kAir, 8, 7, King, 3, true, kWeakest + veryBad},
        // Group 6 (B7 on the Air board): Queens are very favourably aspected.
        {kAir, 7, 2, Queen, 2, false, "\n" + veryGood},
        // Group 12 (A1 on the Fire board), King advice of the Questioner's King.
        {kFire, 1, 1, King, 4, true,
         kStrong + "Reinforces urgency of your central purpose. Become your higher (post-human) self.\n\n"},
        // B6 on the Fire and Earth boards: the group-15 advice.
        {kFire, 6, 2, Bishop, 1, false,
         kWeak + "Have greater self-confidence. No permission is required to act on your own behalf "
                 "in this matter.\n\n"},
        {kEarth, 6, 2, Bishop, 1, false,
         "\nHave greater self-confidence. No permission is required to act on your own behalf in "
         "this matter.\n\n"},
        // C6: the group-12 advice.
        {kFire, 6, 3, Bishop, 2, false,
         "\nFirst of all satisfy your practical needs. Earn or obtain money or resources.\n\n"},
        {kFire, 1, 1, Horse, 1, false, "\nDo it, don't just talk about doing it."},
        {kFire, 6, 6, CombinedKing, 1, true, "\n"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(ReadingSentence(c.element, c.rank, c.file, TPiece{c.kind, c.army}, c.questioner),
                  c.expected)
            << c.element << " " << c.rank << c.file << " kind " << c.kind << " army " << c.army;
}

TEST(ReadMove, B6BishopFeedsEarthWorldAndCaputDraconis) {
    for (int element : {kFire, kEarth}) {
        const auto inputs = Inputs(element, 6, 2, TPiece{Bishop, 1}, false, false);
        EXPECT_EQ(inputs.count(EarthUnit) + inputs.count(World) + inputs.count(CaputDraconis), 3u);
        EXPECT_EQ(inputs.count(Judgement) + inputs.count(CaudaDraconis), 0u);
        const auto c6 = Inputs(element, 6, 3, TPiece{Rook, 3}, false, false);
        EXPECT_EQ(c6.count(FireUnit) + c6.count(Judgement) + c6.count(CaudaDraconis), 3u);
        EXPECT_EQ(c6.count(World) + c6.count(CaputDraconis), 0u);
    }
}

TEST(ReadMove, CombinedKingGetsOnlyTheSquare) {
    const auto inputs = Inputs(kWater, 7, 6, TPiece{CombinedKing, 4}, true, false);
    EXPECT_EQ(inputs, (std::map<int, float>{{Virgo, 1}, {TheHermit, 1}, {Conjunctio, 1}}));
    TReadingRecord record;
    ReadMove(record, kWater, 7, 6, TPiece{CombinedKing, 4}, true, true);
    ASSERT_GE(record.moveText.size(), 2u);
    EXPECT_EQ(record.moveText[0], '\n');
    EXPECT_NE(record.moveText[1], '\n');
    EXPECT_NE(record.moveText.find(UnitText(Virgo)), std::string::npos);
}

TEST(ReadMove, HorseAdviceRunsIntoTheUnitTexts) {
    TReadingRecord record;
    ReadMove(record, kFire, 1, 1, TPiece{Horse, 1}, false, true);
    const std::string advice = "\nDo it, don't just talk about doing it.";
    ASSERT_EQ(record.moveText.substr(0, advice.size()), advice);
    // The court card of the Fire Horse follows at once.
    EXPECT_EQ(record.moveText.substr(advice.size(), UnitText(72).size()), UnitText(72));
}

TEST(ReadMove, ThePassesTouchOnlyTheirOwnFields) {
    TReadingRecord record;
    ReadMove(record, kAir, 4, 4, TPiece{Rook, 2}, false, true);
    EXPECT_EQ(record.gameText, kNoMovesText);
    for (float value : record.gameActivation) EXPECT_EQ(value, kRestingActivation);
    EXPECT_NE(record.moveText, kNoMovesText);
    const std::string moveText = record.moveText;
    ReadMove(record, kAir, 4, 4, TPiece{Rook, 2}, false, false);
    EXPECT_EQ(record.moveText, moveText);
    EXPECT_NE(record.gameText, kNoMovesText);
}

TEST(ReadMove, MoveReadingIsRepeatable) {
    TReadingRecord first, second;
    ReadMove(first, kEarth, 3, 5, TPiece{Queen, 4}, false, true);
    ReadMove(second, kAir, 8, 8, TPiece{King, 1}, true, true);
    ReadMove(second, kEarth, 3, 5, TPiece{Queen, 4}, false, true);
    EXPECT_EQ(first.moveText, second.moveText);
}

}  // namespace
}  // namespace vaeloric
