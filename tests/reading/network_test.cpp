// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading/network.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "reading/correspondences.h"
#include "reading/move_reading.h"

namespace vaeloric {
namespace {

TNetworkBlock MoveBlock() {
    TNetworkBlock block;
    SetNetworkParameters(block, true);
    return block;
}

std::vector<int> Selected(const std::array<bool, kUnitCount>& selected) {
    std::vector<int> units;
    for (int unit = 0; unit < kUnitCount; ++unit)
        if (selected[unit]) units.push_back(unit);
    return units;
}

TEST(WeightTable, HasTheCountsOfItsRules) {
    int plus = 0, minus = 0;
    const TWeightTable& w = Weights();
    for (int j = 0; j < kUnitCount; ++j) {
        EXPECT_EQ(w[j][j], 0);
        for (int i = 0; i < kUnitCount; ++i) plus += w[j][i] == 1, minus += w[j][i] == -1;
    }
    EXPECT_EQ(plus, 342);
    EXPECT_EQ(minus, 1430);
    EXPECT_EQ(w[AceOfWands][Pluto], 1);  // court cards are driven one way only
    EXPECT_EQ(w[Pluto][AceOfWands], 0);
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
        for (float value : mode == MoveMode ? network.MoveActivation() : record.gameActivation) {
            EXPECT_GE(value, -0.2f);
            EXPECT_LE(value, 1.0f);
        }
    }
}

TEST(Network, RestIsNotAFixedPointAndMoveRunsLeaveTheGameAlone) {
    TNetwork network;
    TReadingRecord record;
    network.RunNetwork(MoveBlock(), record, MoveMode);
    int moved = 0;
    for (float value : network.MoveActivation()) moved += value != kRestingActivation;
    EXPECT_GT(moved, 80);
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
    const int pairs[][2] = {{FireUnit, WaterUnit},  {Sol, Venus},           {Strength, Justice},
                            {FortunaMajor, Puella}, {FortunaMinor, Puella}, {Yesod, Hod}};
    for (const auto& pair : pairs) EXPECT_GT(a[pair[0]], a[pair[1]]) << pair[0];
    EXPECT_GT(a[Sol], 0.0f);
    EXPECT_LT(a[Saturn], kRestingActivation);  // the planet of Leo's detriment
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
    a[14] = 0.91f;  // a strictly higher later unit wins 10-21
    a[23] = 0.88f;  // 0.88f lies just below 0.88
    a[30] = 0.869f;
    a[93] = 0.87f;  // the outer planets compete with 26-32
    a[40] = 0.86f;  // 0.86f lies just above 0.86
    a[80] = 0.9f;   // 0.9f lies just below 0.9
    EXPECT_EQ(Selected(SelectMoveWinners(a)), (std::vector<int>{2, 14, 40, 93}));
}

TEST(Selection, WholeGameNamesOneUnitPerGroupEvenAtTheFloor) {
    auto a = Flat(-0.2f);
    a[40] = a[41] = -0.19f;
    // The first group falls back to unit 0; other groups at the floor add nothing.
    EXPECT_EQ(Selected(SelectGameWinners(a)), (std::vector<int>{0, 40}));

    TReadingRecord record;
    ReadMove(record, 1, 4, 4, TPiece{Queen, Fire}, false, false);  // a single move
    EXPECT_EQ(Selected(SelectGameWinners(record.gameActivation)).size(), 8u);
    EXPECT_EQ(record.gameText.front(), '\n');
}

TEST(ComposeText, FixedOrderAfterThePrefix) {
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

}  // namespace
}  // namespace vaeloric
