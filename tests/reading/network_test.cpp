#include <gtest/gtest.h>

#include <random>

#include "reading/correspondences.h"
#include "reading/move_reading.h"
#include "reading/network.h"

namespace vaeloric {
namespace {

TNetworkBlock MoveBlock() {
    TNetworkBlock block;
    SetNetworkParameters(block, true);
    return block;
}

TEST(WeightTable, HasTheCountsOfItsRules) {
    int plus = 0, minus = 0;
    const TWeightTable& w = Weights();
    for (int j = 0; j < kUnitCount; ++j) {
        EXPECT_EQ(w[j][j], 0);
        for (int i = 0; i < kUnitCount; ++i) {
            plus += w[j][i] == 1;
            minus += w[j][i] == -1;
        }
    }
    EXPECT_EQ(plus, 342);
    EXPECT_EQ(minus, 1430);
}

TEST(WeightTable, SampledEntries) {
    const TWeightTable& w = Weights();
    struct { int j, i, weight; } cases[] = {
        {Aries, Venus, -1}, {Venus, Aries, -1},         // detriment, both ways
        {Uranus, Saturn, -1}, {Saturn, Pluto, -1},      // outer planets share the planets' pool
        {Kether, Virgo, 1}, {Virgo, Kether, 1},         // paired both ways
        {AceOfWands, Pluto, 1}, {Pluto, AceOfWands, 0},  // court cards are driven one way
        {Geburah, TheDevil, 1}, {TheDevil, Geburah, 0},
        {Kether, Aries, 0}, {Tiphareth, Chesed, -1},
    };
    for (const auto& c : cases) EXPECT_EQ(w[c.j][c.i], c.weight) << c.j << " from " << c.i;
}

TEST(Network, ActivationsStayWithinTheirBounds) {
    std::mt19937 random(7);
    TNetwork network;
    TReadingRecord record;
    for (int run = 0; run < 40; ++run) {
        TNetworkBlock block = MoveBlock();
        for (int unit = 0; unit < kUnitCount; ++unit)
            block.ExternalInput(unit) = random() % 3 == 0 ? 3.0f : static_cast<float>(random() % 2);
        const TNetworkMode mode = run % 2 ? MoveMode : WholeGameMode;
        network.ResetNetwork();
        network.RunNetwork(block, record, mode);
        const auto& a = mode == MoveMode ? network.MoveActivation() : record.gameActivation;
        for (float value : a) {
            EXPECT_GE(value, -0.2f);
            EXPECT_LE(value, 1.0f);
        }
    }
}

TEST(Network, RestIsNotAFixedPoint) {
    TNetwork network;
    TReadingRecord record;
    TNetworkBlock block = MoveBlock();
    network.RunNetwork(block, record, MoveMode);
    int moved = 0;
    for (float value : network.MoveActivation()) moved += value != kRestingActivation;
    EXPECT_GT(moved, 80);
    // Nothing driven: the whole-game state is left alone by a move run.
    for (float value : record.gameActivation) EXPECT_EQ(value, kRestingActivation);
}

TEST(Network, StronglyDrivenUnitWinsItsPoolAndLiftsItsPartners) {
    TNetwork network;
    TReadingRecord record;
    TNetworkBlock block = MoveBlock();
    block.ExternalInput(Leo) = 3.0f;
    network.RunNetwork(block, record, MoveMode);
    const auto& a = network.MoveActivation();
    EXPECT_GT(a[Leo], 0.86f);
    for (int unit = Aries; unit <= Pisces; ++unit) {
        if (unit == Leo) continue;
        EXPECT_LT(a[unit], a[Leo]) << unit;
        // Only the other fire signs, lifted through Fire, stay above rest.
        if (unit != Aries && unit != Sagittarius) {
            EXPECT_LT(a[unit], 0.0f) << unit;
        }
    }
    // Each partner of Leo stands above an unrelated rival of its own pool.
    const int pairs[][2] = {{FireUnit, WaterUnit}, {Sol, Venus}, {Strength, Justice},
                            {FortunaMajor, Puella}, {FortunaMinor, Puella}, {Yesod, Hod}};
    for (const auto& pair : pairs) EXPECT_GT(a[pair[0]], a[pair[1]]) << pair[0];
    EXPECT_GT(a[Sol], 0.0f);
    EXPECT_GT(a[Strength], 0.0f);
    // The detriment planet is pushed below its rest.
    EXPECT_LT(a[Saturn], kRestingActivation);
}

TEST(Network, ResetLeavesTheWholeGameStateAlone) {
    TNetwork network;
    TReadingRecord record;
    record.gameActivation[5] = 0.5f;
    network.MoveActivation()[3] = 0.7f;
    network.ResetNetwork();
    EXPECT_EQ(network.MoveActivation()[3], kRestingActivation);
    EXPECT_EQ(record.gameActivation[5], 0.5f);
}

TEST(Network, CyclesAreHeldAsAnIntegerInTheBlock) {
    TNetworkBlock block;
    SetNetworkParameters(block, false);
    EXPECT_EQ(block.Cycles(), 10);
    EXPECT_FLOAT_EQ(block.value[TNetworkBlock::kExternalStrength], 0.1f);
    SetNetworkParameters(block, true);
    EXPECT_EQ(block.Cycles(), 100);
    EXPECT_FLOAT_EQ(block.value[TNetworkBlock::kExternalStrength], 0.5f);
    EXPECT_EQ(block.value[TNetworkBlock::kUnused], 0.0f);
}

std::array<float, kUnitCount> Flat(float value) {
    std::array<float, kUnitCount> a;
    a.fill(value);
    return a;
}

TEST(Selection, MoveWinnersNeedTheirThresholdAndTiesGoLow) {
    auto a = Flat(0.0f);
    a[2] = a[4] = 0.95f;  // tie in 0-5: the lower index
    a[7] = 0.38f;         // 0.38f lies just below 0.38: nothing in 6-9
    a[12] = 0.9f;
    a[14] = 0.91f;        // strictly higher later unit wins 10-21
    a[23] = 0.88f;        // 0.88f lies just below 0.88
    a[93] = 0.87f;        // the outer planets compete with 26-32
    a[30] = 0.869f;
    a[40] = 0.86f;        // 0.86f lies just above 0.86
    a[80] = 0.9f;         // 0.9f lies just below 0.9
    const auto selected = SelectMoveWinners(a);
    std::vector<int> units;
    for (int unit = 0; unit < kUnitCount; ++unit)
        if (selected[unit]) units.push_back(unit);
    EXPECT_EQ(units, (std::vector<int>{2, 14, 40, 93}));
}

TEST(Selection, WholeGameNamesOneUnitPerGroupEvenAtTheFloor) {
    auto a = Flat(-0.2f);
    a[40] = a[41] = -0.19f;
    const auto selected = SelectGameWinners(a);
    std::vector<int> units;
    for (int unit = 0; unit < kUnitCount; ++unit)
        if (selected[unit]) units.push_back(unit);
    // The first group falls back to unit 0; other groups at the floor add nothing.
    EXPECT_EQ(units, (std::vector<int>{0, 40}));
}

TEST(ComposeText, FixedOrderAndPrefix) {
    TReadingRecord record;
    std::array<bool, kUnitCount> selected{};
    for (int unit : {Kether, AceOfCups, Uranus, Saturn, Rubeus, TheFool, Aries, AirUnit})
        selected[unit] = true;
    ComposeText(record, selected, "P", TTextTarget::MoveText);
    std::string expected = "P";
    for (int unit : {AceOfCups, Kether, Aries, AirUnit, Saturn, Uranus, TheFool, Rubeus})
        expected += UnitText(unit);
    EXPECT_EQ(record.moveText, expected);
    EXPECT_EQ(record.gameText, kNoMovesText);
}

TEST(ComposeText, StaysWithinTheField) {
    TReadingRecord record;
    std::array<bool, kUnitCount> all;
    all.fill(true);
    ComposeText(record, all, "", TTextTarget::GameText);
    EXPECT_EQ(record.gameText.size(), kMaxReadingText);
}

TEST(ComposeGameText, SingleMoveNamesEveryOutputGroup) {
    TReadingRecord record;
    TPiece queen{Queen, Fire};
    ReadMove(record, 1, 4, 4, queen, false, false);
    ASSERT_EQ(record.gameText.front(), '\n');
    const auto selected = SelectGameWinners(record.gameActivation);
    int count = 0;
    for (bool s : selected) count += s;
    EXPECT_EQ(count, 8);
    EXPECT_NE(record.gameText.find(UnitText(Binah)), std::string::npos);
}

TEST(ActivationTransfer, SaveAndRestore) {
    TReadingRecord record;
    std::array<float, kUnitCount> values;
    for (int unit = 0; unit < kUnitCount; ++unit) values[unit] = static_cast<float>(unit) / 100.0f;
    RestoreGameActivation(record, values);
    std::array<float, kUnitCount> out{};
    SaveGameActivation(record, out);
    EXPECT_EQ(out, values);
}

}  // namespace
}  // namespace vaeloric
