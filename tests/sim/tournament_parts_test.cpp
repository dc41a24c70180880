// SPDX-License-Identifier: GPL-3.0-or-later

// The tournament's parts against known figures: the schedule, the tally,
// the Wilson interval and the Bradley-Terry fit.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "sim/tournament/rating_fit.h"
#include "sim/tournament/schedule.h"
#include "sim/tournament/statistics.h"
#include "sim/tournament/tally.h"

namespace vaeloric {
namespace {

using sim::TGameResult;
using sim::TPairingScore;
using sim::TPlayedGame;
using sim::TScheduledGame;
using sim::TTournamentPlan;

bool IsCorner(TSquare square) {
    return (square.rank == 1 || square.rank == 8) && (square.file == 1 || square.file == 8);
}

TEST(TournamentSchedule, EveryBoardAndPairingOncePerRoundNeverAProfileAgainstItself) {
    TTournamentPlan plan;
    plan.profiles = {2, 3, 4, 5, 6, 7, 8};
    plan.boards = "WAEF";
    plan.gamesPerPairing = 3;
    ASSERT_EQ(plan.GameCount(), 7 * 6 * 4 * 3);
    std::map<std::tuple<long, char, int, int>, int> played;  // round, board, sides
    std::set<std::uint32_t> seeds;
    for (long index = 0; index < plan.GameCount(); ++index) {
        const TScheduledGame game = sim::ScheduledGame(plan, index);
        EXPECT_EQ(game.index, index);
        EXPECT_NE(game.questionerSide, game.otherSide) << index;
        EXPECT_GE(game.round, 0);
        EXPECT_LT(game.round, plan.gamesPerPairing);
        EXPECT_NE(plan.boards.find(game.board), std::string::npos);
        EXPECT_TRUE(game.seed >= 1 && game.seed <= 2147483646u);
        EXPECT_FALSE(IsCorner(game.ptah)) << index;
        seeds.insert(game.seed);
        ++played[{game.round, game.board, game.questionerSide, game.otherSide}];
    }
    // Every round plays every board and ordered pairing exactly once.
    EXPECT_EQ(played.size(), static_cast<std::size_t>(plan.GameCount()));
    for (const auto& [key, count] : played) EXPECT_EQ(count, 1);
    // Every game, of every round, has its own dice.
    EXPECT_EQ(seeds.size(), static_cast<std::size_t>(plan.GameCount()));
}

TEST(TournamentSchedule, AGameIsTheSameWhateverElseThePlanHolds) {
    TTournamentPlan whole;
    TTournamentPlan part;
    part.profiles = {8, 3};
    part.boards = "EW";
    part.gamesPerPairing = 2;
    whole.gamesPerPairing = 2;
    std::map<std::tuple<long, char, int, int>, TScheduledGame> inWhole;
    for (long index = 0; index < whole.GameCount(); ++index) {
        const TScheduledGame game = sim::ScheduledGame(whole, index);
        inWhole[{game.round, game.board, game.questionerSide, game.otherSide}] = game;
    }
    for (long index = 0; index < part.GameCount(); ++index) {
        const TScheduledGame game = sim::ScheduledGame(part, index);
        const TScheduledGame& same =
            inWhole.at({game.round, game.board, game.questionerSide, game.otherSide});
        EXPECT_EQ(game.seed, same.seed);
        EXPECT_TRUE(SquaresEqual(game.ptah, same.ptah));
    }
    // Another base seed, other dice.
    TTournamentPlan reseeded = part;
    reseeded.baseSeed = 2;
    EXPECT_NE(sim::ScheduledGame(reseeded, 0).seed, sim::ScheduledGame(part, 0).seed);
}

TEST(TournamentSchedule, PtahSquaresCoverEveryNonCornerSquareEvenly) {
    TTournamentPlan plan;
    plan.gamesPerPairing = 50;  // 8400 games: 140 a square
    std::map<std::pair<int, int>, int> count;
    for (long index = 0; index < plan.GameCount(); ++index) {
        const TSquare ptah = sim::ScheduledGame(plan, index).ptah;
        ASSERT_TRUE(ptah.rank >= 1 && ptah.rank <= 8 && ptah.file >= 1 && ptah.file <= 8);
        ASSERT_FALSE(IsCorner(ptah));
        ++count[{ptah.rank, ptah.file}];
    }
    EXPECT_EQ(count.size(), 60u);
    // About five standard deviations either side of 140.
    for (const auto& [square, games] : count) {
        EXPECT_GT(games, 80) << square.first << "," << square.second;
        EXPECT_LT(games, 200) << square.first << "," << square.second;
    }
}

TPlayedGame Played(char board, std::int32_t questionerSide, std::int32_t otherSide,
                   TGameResult result) {
    TPlayedGame played;
    played.game.board = board;
    played.game.questionerSide = questionerSide;
    played.game.otherSide = otherSide;
    played.result = result;
    return played;
}

TEST(TournamentTally, OwnRecordsChancesPerBoardAndPairingScores) {
    TTournamentPlan plan;
    plan.profiles = {2, 5, 8};
    plan.boards = "WF";
    const std::vector<TPlayedGame> games = {
        Played('W', 2, 5, TGameResult::Win),        Played('F', 2, 5, TGameResult::Lose),
        Played('F', 2, 5, TGameResult::Unfinished), Played('W', 5, 2, TGameResult::Win),
        Played('W', 8, 2, TGameResult::Lose),       Played('F', 8, 5, TGameResult::Win),
        Played('F', 5, 8, TGameResult::Win),
    };
    const sim::TTournamentTally tally = sim::TallyGames(plan, games);
    ASSERT_EQ(tally.profiles.size(), 3u);
    EXPECT_EQ(tally.unfinished, 1);

    struct TRow {
        std::int32_t code;
        long games, wins, losses, unfinished;                // its own record
        long asOpponents, questionerWins, questionerLosses;  // as the other side
        long onW, questionerWinsOnW, onF, questionerWinsOnF;
    } rows[] = {
        {2, 5, 2, 2, 1, 2, 1, 1, 2, 1, 0, 0},
        {5, 6, 3, 2, 1, 4, 2, 1, 1, 1, 3, 1},
        {8, 3, 1, 2, 0, 1, 1, 0, 0, 0, 1, 1},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        const TRow& row = rows[i];
        const sim::TProfileTally& profile = tally.profiles[i];
        SCOPED_TRACE("profile " + std::to_string(row.code));
        EXPECT_EQ(profile.code, row.code);
        EXPECT_EQ(profile.own.games, row.games);
        EXPECT_EQ(profile.own.wins, row.wins);
        EXPECT_EQ(profile.own.losses, row.losses);
        EXPECT_EQ(profile.own.unfinished, row.unfinished);
        EXPECT_EQ(profile.asOpponents.games, row.asOpponents);
        EXPECT_EQ(profile.asOpponents.wins, row.questionerWins);
        EXPECT_EQ(profile.asOpponents.losses, row.questionerLosses);
        ASSERT_EQ(profile.opponentsBoard.size(), 2u);
        EXPECT_EQ(profile.opponentsBoard[0].games, row.onW);
        EXPECT_EQ(profile.opponentsBoard[0].wins, row.questionerWinsOnW);
        EXPECT_EQ(profile.opponentsBoard[1].games, row.onF);
        EXPECT_EQ(profile.opponentsBoard[1].wins, row.questionerWinsOnF);
    }

    // Pairings by (questioner side, other side) index: decided games, wins
    // and, apart, unfinished games (a third outcome, not half a win).
    std::map<std::pair<int, int>, std::tuple<double, double, double>> pairings;
    for (const TPairingScore& p : tally.pairings)
        pairings[{p.questionerSide, p.otherSide}] = {p.games, p.score, p.unfinished};
    EXPECT_EQ(pairings.size(), 6u);
    const std::map<std::pair<int, int>, std::tuple<double, double, double>> expected = {
        {{0, 1}, {2, 1, 1}}, {{1, 0}, {1, 1, 0}}, {{2, 0}, {1, 0, 0}},
        {{2, 1}, {1, 1, 0}}, {{1, 2}, {1, 1, 0}}, {{0, 2}, {0, 0, 0}},
    };
    EXPECT_EQ(pairings, expected);

    // The cross-table, row against column on either side: wins, losses,
    // unfinished. 2 against 5: W (as Questioner's side), L, U, then 5 won as
    // the Questioner's side. 2 against 8: 8 lost as the Questioner's side.
    // 5 against 8: 8 won as the Questioner's side, then 5 did.
    const std::array<std::array<std::array<long, 3>, 3>, 3> cross = {{
        {{{0, 0, 0}, {1, 2, 1}, {1, 0, 0}}},
        {{{2, 1, 1}, {0, 0, 0}, {1, 1, 0}}},
        {{{0, 1, 0}, {1, 1, 0}, {0, 0, 0}}},
    }};
    ASSERT_EQ(tally.cross.size(), 3u);
    for (std::size_t row = 0; row < 3; ++row) {
        for (std::size_t column = 0; column < 3; ++column) {
            const sim::TResultCount& c = tally.cross[row][column];
            EXPECT_EQ((std::array<long, 3>{c.wins, c.losses, c.unfinished}), cross[row][column])
                << row << " against " << column;
            EXPECT_EQ(c.games, c.wins + c.losses + c.unfinished);
        }
    }
}

TEST(WilsonInterval, KnownIntervals) {
    const struct {
        double successes, trials, low, high;
    } rows[] = {
        {0, 10, 0.0, 0.2775},   {5, 10, 0.2366, 0.7634},   {10, 10, 0.7225, 1.0},
        {1, 3, 0.0615, 0.7923}, {81, 263, 0.2553, 0.3662}, {999, 1000, 0.9944, 0.9998},
        {0, 0, 0.0, 1.0},
    };
    for (const auto& row : rows) {
        const sim::TInterval interval = sim::WilsonInterval(row.successes, row.trials);
        EXPECT_NEAR(interval.low, row.low, 1e-4) << row.successes << "/" << row.trials;
        EXPECT_NEAR(interval.high, row.high, 1e-4) << row.successes << "/" << row.trials;
    }
}

// Two profiles, a million games each way, the stronger scoring 3 in 4 either
// side: no advantage, and a rating gap of 400 log10(3) Elo. The Fisher
// information gives the interval widths: w = n p (1 - p) a pairing, the gap
// has variance 1 / (2w), each rating about the mean a quarter of that.
TEST(RatingFit, KnownValuesAndIntervalsOfTwoProfiles) {
    const double n = 1e6;
    const sim::TRatingFit fit = sim::FitRatings(2, {{0, 1, n, 0.75 * n}, {1, 0, n, 0.25 * n}});
    const double elo = 400 / std::log(10.0);
    const double gap = 400 * std::log10(3.0);
    const double w = n * 0.75 * 0.25;
    ASSERT_EQ(fit.rating.size(), 2u);
    EXPECT_NEAR(fit.rating[0], 1500 + gap / 2, 0.01);
    EXPECT_NEAR(fit.rating[1], 1500 - gap / 2, 0.01);
    EXPECT_NEAR(fit.advantage, 0, 0.01);
    const double ratingHalf = 1.959964 * elo * std::sqrt(1 / (8 * w));
    EXPECT_NEAR(fit.ratingHalfWidth[0], ratingHalf, ratingHalf * 1e-3);
    EXPECT_NEAR(fit.ratingHalfWidth[1], ratingHalf, ratingHalf * 1e-3);
    const double advantageHalf = 1.959964 * elo * std::sqrt(1 / (2 * w));
    EXPECT_NEAR(fit.advantageHalfWidth, advantageHalf, advantageHalf * 1e-3);

    // The Questioner's side winning 3 in 4 between equals: an advantage of
    // 400 log10(3) and equal ratings.
    const sim::TRatingFit sided = sim::FitRatings(2, {{0, 1, n, 0.75 * n}, {1, 0, n, 0.75 * n}});
    EXPECT_NEAR(sided.advantage, gap, 0.01);
    EXPECT_NEAR(sided.rating[0], 1500, 0.01);
    EXPECT_NEAR(sided.rating[1], 1500, 0.01);

    // One game each way: the drawn game of each against 1500 keeps the
    // ratings finite. With no advantage (the games are mirrored) the
    // strength a = -b solves 4 (1 - L(2a)) = 2 L(a) - 1, L the logistic
    // function: a = 1.012001, a gap of 351.605 Elo.
    const sim::TRatingFit few = sim::FitRatings(2, {{0, 1, 1, 1}, {1, 0, 1, 0}});
    EXPECT_NEAR(few.rating[0] - few.rating[1], 351.605, 0.01);
    EXPECT_NEAR(few.advantage, 0, 0.01);

    // The Questioner's side won both decided games (the others unfinished):
    // the drawn game the advantage gets keeps it finite. By symmetry the
    // ratings are equal, and 2 (1 - L(a)) = L(a) - 1/2 gives L(a) = 5/6,
    // a = ln 5: 400 log10(5) = 279.588 Elo.
    const sim::TRatingFit oneSided = sim::FitRatings(2, {{0, 1, 1, 1, 3}, {1, 0, 1, 1, 2}});
    EXPECT_NEAR(oneSided.advantage, 400 * std::log10(5.0), 0.01);
    EXPECT_NEAR(oneSided.rating[0], 1500, 0.01);
    EXPECT_NEAR(oneSided.rating[1], 1500, 0.01);
    EXPECT_TRUE(std::isfinite(oneSided.advantageHalfWidth));
}

}  // namespace
}  // namespace vaeloric
