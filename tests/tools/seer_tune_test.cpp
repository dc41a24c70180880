// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/seer-tune/seer_tune.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "players/seer.h"

namespace vaeloric::tune {
namespace {

TTuneGamesOptions SmallGames(int threads) {
    TTuneGamesOptions options;
    options.games = 10;
    options.seed = 7;
    options.seerNodes = 20;
    options.threads = threads;
    options.every = 3;
    options.turnLimit = 150;
    return options;
}

bool SameBoard(const TBoard& a, const TBoard& b) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (!(a.At(rank, file) == b.At(rank, file))) return false;
    return a.armyToMove == b.armyToMove && a.questionerArmy == b.questionerArmy;
}

// The data the weights are fitted to must be the same on any machine and
// thread count, and every label must be the game's end seen from the side
// to move.
TEST(SeerTune, GamesAreRepeatableAndLabelledFromTheSideToMove) {
    const auto one = PlayTuneGames(SmallGames(1));
    const auto two = PlayTuneGames(SmallGames(2));
    ASSERT_EQ(one.size(), two.size());
    ASSERT_GT(one.size(), 200u);
    for (std::size_t i = 0; i < one.size(); ++i) {
        ASSERT_TRUE(SameBoard(one[i].board, two[i].board)) << i;
        ASSERT_EQ(one[i].outcome, two[i].outcome) << i;
        ASSERT_EQ(one[i].game, two[i].game) << i;
    }
    // Per game: the Questioner's side scores q, the other side 1 - q; only
    // every fifth game is held out.
    std::map<long, double> questionerScore;
    std::map<double, int> seen;
    for (const TTunePosition& p : one) {
        EXPECT_EQ(p.heldOut, p.game % 5 == 4);
        EXPECT_EQ(p.board.armyToMove, p.army);
        const std::int32_t q = p.board.questionerArmy;
        const bool questionerSide = p.army == q || p.army == AllyOf(q);
        const double q_score = questionerSide ? p.outcome : 1.0 - p.outcome;
        const auto [it, fresh] = questionerScore.emplace(p.game, q_score);
        EXPECT_EQ(it->second, q_score) << "game " << p.game;
        if (fresh) ++seen[q_score];
    }
    EXPECT_EQ(questionerScore.size(), 10u);
    // Short games: some end, some reach the turn limit.
    EXPECT_GT(seen[0.5], 0);
    EXPECT_GT(seen[0.0] + seen[1.0], 0);
}

// Labels made from known weights: the fit finds the scale and moves the
// weights back towards the ones the labels came from.
TEST(SeerTune, FitRecoversTheWeightsTheLabelsCameFrom) {
    auto positions = PlayTuneGames(SmallGames(2));
    TSeerWeights truth = kSeerWeights;
    truth.rook = 9.0;
    truth.usableFace = 0.8;
    constexpr double kTrueScale = 0.2;
    for (TTunePosition& p : positions)
        p.outcome = 1.0 / (1.0 + std::exp(-kTrueScale * SeerEvaluateWith(truth, p.board, p.army)));

    EXPECT_NEAR(FitScale(truth, positions), kTrueScale, 0.002);
    EXPECT_NEAR(TuneLoss(truth, kTrueScale, positions, false), 0.0, 1e-12);

    int lines = 0;
    const TFitReport report =
        FitWeights(kSeerWeights, positions, 60, [&](const std::string&) { ++lines; });
    EXPECT_EQ(lines, report.passes);
    EXPECT_LT(report.fitAfter, report.fitBefore / 4);
    EXPECT_LT(report.heldAfter, report.heldBefore / 2);
    EXPECT_DOUBLE_EQ(report.fitAfter, TuneLoss(report.weights, report.k, positions, false));
    EXPECT_LT(std::abs(report.weights.rook - truth.rook),
              std::abs(kSeerWeights.rook - truth.rook) / 2);
    EXPECT_LT(std::abs(report.weights.usableFace - truth.usableFace),
              std::abs(kSeerWeights.usableFace - truth.usableFace) / 2);
}

// A frozen weight keeps its value while the others are fitted; names that
// are not weights are refused.
TEST(SeerTune, FrozenWeightsStayPut) {
    auto positions = PlayTuneGames(SmallGames(2));
    TSeerWeights truth = kSeerWeights;
    truth.rook = 9.0;
    truth.usableFace = 0.8;
    for (TTunePosition& p : positions)
        p.outcome = 1.0 / (1.0 + std::exp(-0.2 * SeerEvaluateWith(truth, p.board, p.army)));
    std::uint32_t frozen = 0;
    ASSERT_TRUE(FrozenWeights("rook,questionerSide", frozen));
    EXPECT_EQ(frozen, (1u << 3) | (1u << (kSeerWeightCount - 1)));
    const TFitReport report = FitWeights(
        kSeerWeights, positions, 20, [](const std::string&) {}, frozen);
    EXPECT_EQ(report.weights.rook, kSeerWeights.rook);
    EXPECT_EQ(report.weights.questionerSide, kSeerWeights.questionerSide);
    EXPECT_NE(report.weights.usableFace, kSeerWeights.usableFace);

    for (const char* wrong : {"", "rook,", "Rook", "rook,king"})
        EXPECT_FALSE(FrozenWeights(wrong, frozen)) << wrong;
    ASSERT_TRUE(FrozenWeights("horse", frozen));
    EXPECT_EQ(frozen, 1u);
}

TEST(SeerTune, WeightsPrintAsTheirInitializer) {
    TSeerWeights weights{};
    weights.horse = 4.25;
    weights.questionerSide = -0.5;
    const std::string text = WeightsText(weights);
    EXPECT_EQ(text.rfind("{4.25, 0, ", 0), 0u) << text;
    EXPECT_EQ(text.substr(text.size() - 7), ", -0.5}") << text;
}

}  // namespace
}  // namespace vaeloric::tune
