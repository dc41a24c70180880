// SPDX-License-Identifier: GPL-3.0-or-later

// Two profiles' games as engine testers count them (three outcomes of a
// game, five of a pair), the Elo they give and the sequential test, against
// values worked out by hand; the schedule of paired games and the progress
// file a stopped run is taken up from.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "flow/setup_record.h"
#include "sim/tournament/match.h"
#include "sim/tournament/progress.h"
#include "sim/tournament/progress_file.h"
#include "sim/tournament/report.h"
#include "sim/tournament/result_files.h"
#include "sim/tournament/schedule.h"
#include "sim/tournament/svg_chart.h"

namespace vaeloric {
namespace {

using sim::TGameResult;
using sim::TPlayedGame;

TPlayedGame Game(long index, long round, char board, int questioner, int other,
                 TGameResult result) {
    TPlayedGame played;
    played.game.index = index;
    played.game.round = round;
    played.game.board = board;
    played.game.questionerSide = questioner;
    played.game.otherSide = other;
    played.result = result;
    return played;
}

// Profile 2 against 5 from 2's side. Round 0 on W: 2 wins as the
// Questioner's side, 5 wins as it: a pair of 1. Round 0 on F: 2 wins as
// the Questioner's side, 5 loses as it: a pair of 2. Round 1 on W: an
// unfinished game and a 2 loss: a pair of 1/2. Round 1 on F: one game
// only, no pair. A game of 8 is left out.
TEST(MatchCounts, ThreeOutcomesOfGamesAndFiveOfPairs) {
    const auto W = TGameResult::Win, L = TGameResult::Lose, U = TGameResult::Unfinished;
    const std::vector<TPlayedGame> games = {
        Game(0, 0, 'W', 2, 5, W), Game(1, 0, 'W', 5, 2, W), Game(2, 0, 'F', 2, 5, W),
        Game(3, 0, 'F', 5, 2, L), Game(4, 1, 'W', 2, 5, U), Game(5, 1, 'W', 5, 2, W),
        Game(6, 1, 'F', 5, 2, L), Game(7, 1, 'F', 8, 2, W),
    };
    const sim::TMatchCounts counts = sim::CountMatch(games, 2, 5);
    EXPECT_EQ(counts.wins, 4);
    EXPECT_EQ(counts.losses, 2);
    EXPECT_EQ(counts.unfinished, 1);
    EXPECT_EQ(counts.Games(), 7);
    EXPECT_EQ(counts.pairs, (std::array<long, 5>{0, 1, 1, 0, 1}));
    EXPECT_EQ(counts.Pairs(), 3);
    // From the other side every count mirrors.
    const sim::TMatchCounts mirrored = sim::CountMatch(games, 5, 2);
    EXPECT_EQ(mirrored.wins, 2);
    EXPECT_EQ(mirrored.losses, 4);
    EXPECT_EQ(mirrored.pairs, (std::array<long, 5>{1, 0, 1, 1, 0}));

    // The schedule-order prefix stops at the first game missing.
    const std::vector<TPlayedGame> gap = {games[0], games[1], games[3], games[4]};
    EXPECT_EQ(sim::PlayedPrefix(gap).size(), 2u);
    EXPECT_EQ(sim::PlayedPrefix(games).size(), games.size());
}

// Each row: outcome counts from the worst for the first profile up (games:
// loss, unfinished, win; pairs: 0 to 2 points), the hypotheses, and the
// figures worked out by hand with half a game added to every count.
TEST(MatchStatistics, MeanVarianceEloIntervalAndLikelihoodRatio) {
    struct TRow {
        std::vector<long> counts;
        double elo0, elo1, alpha, beta;
        double mean, variance, elo, low, high, llr;
        sim::TSprtVerdict verdict;
    };
    using V = sim::TSprtVerdict;
    const TRow rows[] = {
        {{20, 50, 30},
         0,
         10,
         0.05,
         0.05,
         0.549261,
         0.123189,
         34.342,
         -13.578,
         83.609,
         0.491304,
         V::Continue},
        {{20, 50, 30},
         0,
         50,
         0.05,
         0.05,
         0.549261,
         0.123189,
         34.342,
         -13.578,
         83.609,
         0.784860,
         V::Continue},
        {{300, 0, 700},
         0,
         10,
         0.05,
         0.05,
         0.699700,
         0.209995,
         146.943,
         124.045,
         171.115,
         13.189041,
         V::AcceptH1},
        {{700, 0, 300},
         0,
         10,
         0.05,
         0.10,
         0.300300,
         0.209995,
         -146.943,
         -171.115,
         -124.045,
         -14.174737,
         V::AcceptH0},
        // One unfinished game is no evidence yet.
        {{0, 1, 0}, 0, 100, 0.05, 0.05, 0.5, 0.1, 0, NAN, NAN, -0.098091, V::Continue},
        {{2, 10, 20, 12, 6},
         -10,
         10,
         0.05,
         0.05,
         0.547619,
         0.067971,
         33.190,
         -17.139,
         84.957,
         1.007943,
         V::Continue},
    };
    for (const TRow& row : rows) {
        SCOPED_TRACE(::testing::PrintToString(row.counts));
        sim::TMatchCounts counts;
        sim::TScoreSample sample;
        if (row.counts.size() == 3) {
            counts.losses = row.counts[0];
            counts.unfinished = row.counts[1];
            counts.wins = row.counts[2];
            sample = sim::TrinomialSample(counts);
        } else {
            for (std::size_t i = 0; i < 5; ++i) counts.pairs[i] = row.counts[i];
            sample = sim::PentanomialSample(counts);
        }
        EXPECT_NEAR(sample.mean, row.mean, 1e-6);
        EXPECT_NEAR(sample.variance, row.variance, 1e-6);
        const sim::TEloEstimate elo = sim::EloOf(sample);
        EXPECT_NEAR(elo.elo, row.elo, 1e-3);
        if (!std::isnan(row.low)) {
            EXPECT_NEAR(elo.low, row.low, 1e-3);
            EXPECT_NEAR(elo.high, row.high, 1e-3);
        }
        const sim::TSprtState state =
            sim::SprtState({row.elo0, row.elo1, row.alpha, row.beta}, sample);
        EXPECT_NEAR(state.llr, row.llr, 1e-5);
        EXPECT_NEAR(state.lower, std::log(row.beta / (1 - row.alpha)), 1e-12);
        EXPECT_NEAR(state.upper, std::log((1 - row.beta) / row.alpha), 1e-12);
        EXPECT_EQ(state.verdict, row.verdict);
    }
    // Nothing played: no estimate, no decision.
    const sim::TSprtState none = sim::SprtState({}, sim::TrinomialSample({}));
    EXPECT_EQ(none.llr, 0);
    EXPECT_EQ(none.verdict, V::Continue);
}

// In pairs the game of A against B and the game of B against A of the same
// round and board have the same throws and Ptah square; without, each has
// its own. Either way a game of the lower code as the Questioner's side is
// the same game.
TEST(TournamentSchedule, PairsShareTheirThrowsWithTheSidesSwapped) {
    sim::TTournamentPlan single;
    single.profiles = {2, 5, 8};
    single.boards = "WF";
    single.gamesPerPairing = 3;
    sim::TTournamentPlan paired = single;
    paired.pairs = true;
    long sharedWithout = 0;
    for (const bool pairs : {false, true}) {
        const sim::TTournamentPlan& plan = pairs ? paired : single;
        std::vector<sim::TScheduledGame> games;
        for (long i = 0; i < plan.GameCount(); ++i) games.push_back(sim::ScheduledGame(plan, i));
        for (const sim::TScheduledGame& g : games) {
            long swapped = 0;
            for (const sim::TScheduledGame& h : games) {
                if (h.round != g.round || h.board != g.board || h.questionerSide != g.otherSide ||
                    h.otherSide != g.questionerSide)
                    continue;
                ++swapped;
                const bool same = h.seed == g.seed && SquareName(h.ptah) == SquareName(g.ptah);
                if (pairs) {
                    EXPECT_TRUE(same) << g.index << " and " << h.index;
                }
                sharedWithout += pairs ? 0 : same;
            }
            EXPECT_EQ(swapped, 1) << g.index;
            if (pairs && g.questionerSide < g.otherSide) {
                const sim::TScheduledGame alone = sim::ScheduledGame(single, g.index);
                EXPECT_EQ(alone.seed, g.seed);
                EXPECT_EQ(SquareName(alone.ptah), SquareName(g.ptah));
            }
        }
    }
    EXPECT_EQ(sharedWithout, 0);
}

// The progress file gives back the games it was written from, and refuses
// another plan's file and any line that is not what the plan schedules.
TEST(ProgressFile, RoundTripAndRefusals) {
    sim::TTournamentPlan plan;
    plan.profiles = {2, 5};
    plan.boards = "WA";
    plan.gamesPerPairing = 2;
    std::vector<TPlayedGame> games;
    for (long i : {5L, 0L, 3L}) {
        TPlayedGame played;
        played.game = sim::ScheduledGame(plan, i);
        played.result = i == 0   ? TGameResult::Win
                        : i == 3 ? TGameResult::Unfinished
                                 : TGameResult::Lose;
        played.turns = 17 * (i + 1);
        games.push_back(played);
    }
    const std::string text = sim::ProgressFileText(plan, games);
    std::vector<TPlayedGame> read;
    ASSERT_TRUE(sim::ReadProgressFile(plan, text, read)) << text;
    ASSERT_EQ(read.size(), 3u);
    const long order[] = {0, 3, 5};
    for (std::size_t i = 0; i < 3; ++i) {
        const TPlayedGame& original = games[i == 0 ? 1 : i == 1 ? 2 : 0];
        EXPECT_EQ(read[i].game.index, order[i]);
        EXPECT_EQ(read[i].game.seed, original.game.seed);
        EXPECT_EQ(read[i].result, original.result);
        EXPECT_EQ(read[i].turns, original.turns);
    }
    EXPECT_TRUE(sim::ReadProgressFile(plan, sim::ProgressFileText(plan, {}), read));
    EXPECT_TRUE(read.empty());

    const auto replaced = [&](const std::string& from, const std::string& to) {
        std::string changed = text;
        const std::size_t at = changed.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? changed : changed.replace(at, from.size(), to);
    };
    const std::string firstGame = text.substr(text.find("\n1,") + 1);
    const std::string firstLine = firstGame.substr(0, firstGame.find('\n'));
    const std::string seed = std::to_string(games[1].game.seed);
    std::string otherDice = firstLine;
    otherDice.replace(otherDice.find("," + seed + ","), seed.size() + 2,
                      "," + std::to_string(games[1].game.seed + 1) + ",");
    const std::vector<std::string> refused = {
        replaced("profiles=25", "profiles=26"),  // another plan
        replaced("pairs=0", "pairs=1"),
        replaced("progress 1", "progress 2"),
        replaced(firstLine, otherDice),  // not the game's throws
        replaced("\n1,", "\n9,"),        // past the plan
        replaced(",win", ",won"),
        replaced(",17,win", ",999,win"),  // over the turn limit
        text + firstLine + "\n",          // a game twice
        text + "x\n",
    };
    for (const std::string& bad : refused)
        EXPECT_FALSE(sim::ReadProgressFile(plan, bad, read)) << bad;
    sim::TTournamentPlan other = plan;
    other.seerNodes = 1;
    EXPECT_FALSE(sim::ReadProgressFile(other, text, read));
}

// The JSON file and the chart of four known games hold the figures worked
// out by hand: 2 wins as the Questioner's side on W, wins as the other side
// on W (5 lost), plays an unfinished game as the Questioner's side on A and
// loses as the other side on A (5 won).
TEST(TournamentFiles, JsonAndChartHoldTheFiguresOfKnownGames) {
    sim::TTournamentPlan plan;
    plan.profiles = {2, 5};
    plan.boards = "WA";
    plan.gamesPerPairing = 1;
    sim::TTournamentRun run;
    const TGameResult results[] = {TGameResult::Win, TGameResult::Lose, TGameResult::Unfinished,
                                   TGameResult::Win};
    for (long i = 0; i < 4; ++i) {
        TPlayedGame played;
        played.game = sim::ScheduledGame(plan, i);
        played.result = results[i];
        played.turns = 10 + i;
        run.games.push_back(played);
    }
    ASSERT_EQ(run.games[1].game.questionerSide, 5);
    ASSERT_EQ(run.games[2].game.board, 'A');
    const sim::TTournamentReport report = sim::MakeReport(plan, run, 1);
    const std::string json = sim::ResultsJson(report);

    // Every JSON object member NAME followed by a number, in order.
    const auto numbers = [&](const std::string& name) {
        std::vector<double> values;
        const std::regex pattern("\"" + name + "\": (-?[0-9.]+)");
        for (auto it = std::sregex_iterator(json.begin(), json.end(), pattern);
             it != std::sregex_iterator(); ++it)
            values.push_back(std::stod((*it)[1]));
        return values;
    };
    const auto near = [](const std::vector<double>& actual, const std::vector<double>& expected,
                         const std::string& what) {
        ASSERT_EQ(actual.size(), expected.size()) << what;
        for (std::size_t i = 0; i < actual.size(); ++i)
            EXPECT_NEAR(actual[i], expected[i], 1e-4) << what << " " << i;
    };
    // The records: 2's own, 2 as opponents (all, W, A), 5's own, 5 as
    // opponents (all, W, A); then the cross-table, 2 against 5 and 5
    // against 2.
    near(numbers("games"), {4, 2, 1, 1, 4, 2, 1, 1, 4, 4}, "games");
    near(numbers("wins"), {2, 1, 0, 1, 1, 1, 1, 0, 2, 1}, "wins");
    near(numbers("losses"), {1, 1, 1, 0, 2, 0, 0, 0, 1, 2}, "losses");
    near(numbers("unfinished"), {1, 0, 0, 0, 1, 1, 0, 1, 1, 1}, "unfinished");
    // Wilson intervals of 2/4, 1/2, 0/1, 1/1, 1/4, 1/2, 1/1, 0/1.
    near(numbers("rate_low"), {0.1500, 0.0945, 0.0, 0.2065, 0.0456, 0.0945, 0.2065, 0.0},
         "rate_low");
    near(numbers("rate_high"), {0.8500, 0.9055, 0.7935, 1.0, 0.6994, 0.9055, 1.0, 0.7935},
         "rate_high");
    // 2 over 5 from W2 L1 U1 with half a game of each outcome added: mean
    // 3.25 / 5.5, variance 0.173554 a game.
    near(numbers("elo"), {63.8803}, "elo");
    near(numbers("low"), {-260.3145}, "low");
    near(numbers("high"), {1231.6857}, "high");
    const std::vector<double> ratings = numbers("rating");
    ASSERT_EQ(ratings.size(), 2u);
    EXPECT_NEAR(ratings[0] + ratings[1], 3000, 1e-3);
    EXPECT_GT(ratings[0], ratings[1]);
    EXPECT_NE(json.find("\"games_played\": 4"), std::string::npos);

    // The progress line's running figure: between two profiles the first's
    // Elo over the second with its interval, as in the file.
    EXPECT_EQ(sim::RunningRating(plan, run.games), "2 over 5 +64 (-260 to +1232)");
    EXPECT_EQ(sim::ProgressLine(4, 8, 2.0, sim::RunningRating(plan, run.games)),
              "[##########----------]  4/8 games  2.0 a second  0:02 left"
              "  2 over 5 +64 (-260 to +1232)");
    EXPECT_EQ(sim::RunningRating(plan, {}), "");

    // The chart: the stronger first, each with its interval line and point.
    const std::string svg = sim::RatingChartSvg(report);
    const std::size_t fenn = svg.find(">Dr Aldous Fenn<"), corvey = svg.find(">Lachlan Corvey<");
    ASSERT_NE(fenn, std::string::npos);
    ASSERT_NE(corvey, std::string::npos);
    EXPECT_LT(fenn, corvey);
    EXPECT_NE(svg.find("<!-- run: " + sim::RunId(report) + " -->"), std::string::npos);
}

}  // namespace
}  // namespace vaeloric
