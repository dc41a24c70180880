// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/match.h"

#include <algorithm>
#include <cmath>

namespace vaeloric::sim {

namespace {

constexpr double kZ95 = 1.959963984540054;

double ExpectedScore(double elo) {
    return 1.0 / (1.0 + std::pow(10.0, -elo / 400.0));
}

double EloOfScore(double score) {
    const double s = std::clamp(score, 1e-6, 1 - 1e-6);
    return -400.0 * std::log10(1.0 / s - 1.0) + 0.0;  // no "-0" for an even score
}

// Mean and variance of outcomes scoring scores[i] with counts[i]. Half a
// game of every outcome is added (a Jeffreys-style prior), so that a short
// run of like results, say one unfinished game, does not look certain and
// decide a test at once; over hundreds of games it moves little.
template <std::size_t N>
TScoreSample Sample(const std::array<double, N>& scores, const std::array<long, N>& counts) {
    constexpr double kPrior = 0.5;
    double units = 0, total = 0;
    for (long count : counts) units += static_cast<double>(count);
    if (units <= 0) return {};
    double mean = 0;
    for (std::size_t i = 0; i < N; ++i) {
        const double weight = static_cast<double>(counts[i]) + kPrior;
        total += weight;
        mean += weight * scores[i];
    }
    mean /= total;
    double variance = 0;
    for (std::size_t i = 0; i < N; ++i)
        variance +=
            (static_cast<double>(counts[i]) + kPrior) * (scores[i] - mean) * (scores[i] - mean);
    return {mean, variance / total, units};
}

}  // namespace

long TMatchCounts::Pairs() const {
    long sum = 0;
    for (long count : pairs) sum += count;
    return sum;
}

void TMatchTally::Add(const TPlayedGame& played) {
    const TScheduledGame& g = played.game;
    const bool firstAsQuestioner = g.questionerSide == first_ && g.otherSide == second_;
    if (!firstAsQuestioner && !(g.questionerSide == second_ && g.otherSide == first_)) return;
    const bool questionerWon = played.result == TGameResult::Win;
    const bool questionerLost = played.result == TGameResult::Lose;
    const bool won = firstAsQuestioner ? questionerWon : questionerLost;
    const bool lost = firstAsQuestioner ? questionerLost : questionerWon;
    counts_.wins += won ? 1 : 0;
    counts_.losses += lost ? 1 : 0;
    counts_.unfinished += (won || lost) ? 0 : 1;
    const auto [slot, added] = open_.try_emplace({g.round, g.board}, std::array<int, 2>{-1, -1});
    slot->second[firstAsQuestioner ? 0 : 1] = won ? 2 : lost ? 0 : 1;
    if (slot->second[0] >= 0 && slot->second[1] >= 0) {
        ++counts_.pairs[static_cast<std::size_t>(slot->second[0] + slot->second[1])];
        open_.erase(slot);
    }
}

TMatchCounts CountMatch(const std::vector<TPlayedGame>& games, std::int32_t first,
                        std::int32_t second) {
    TMatchTally tally(first, second);
    for (const TPlayedGame& played : games) tally.Add(played);
    return tally.Counts();
}

std::vector<TPlayedGame> PlayedPrefix(const std::vector<TPlayedGame>& sortedGames) {
    std::vector<TPlayedGame> prefix;
    for (const TPlayedGame& played : sortedGames) {
        if (played.game.index != static_cast<long>(prefix.size())) break;
        prefix.push_back(played);
    }
    return prefix;
}

TScoreSample TrinomialSample(const TMatchCounts& counts) {
    return Sample<3>({0.0, 0.5, 1.0}, {counts.losses, counts.unfinished, counts.wins});
}

TScoreSample PentanomialSample(const TMatchCounts& counts) {
    return Sample<5>({0.0, 0.25, 0.5, 0.75, 1.0}, counts.pairs);
}

TEloEstimate EloOf(const TScoreSample& sample) {
    if (sample.units <= 0) return {};
    const double half = kZ95 * std::sqrt(sample.variance / sample.units);
    return {EloOfScore(sample.mean), EloOfScore(sample.mean - half),
            EloOfScore(sample.mean + half)};
}

TSprtState SprtState(const TSprtSettings& settings, const TScoreSample& sample) {
    TSprtState state;
    state.lower = std::log(settings.beta / (1 - settings.alpha));
    state.upper = std::log((1 - settings.beta) / settings.alpha);
    if (sample.units <= 0 || sample.variance <= 0) return state;
    const double s0 = ExpectedScore(settings.elo0);
    const double s1 = ExpectedScore(settings.elo1);
    state.llr = sample.units * (s1 - s0) * (2 * sample.mean - s0 - s1) / (2 * sample.variance);
    state.verdict = state.llr >= state.upper   ? TSprtVerdict::AcceptH1
                    : state.llr <= state.lower ? TSprtVerdict::AcceptH0
                                               : TSprtVerdict::Continue;
    return state;
}

}  // namespace vaeloric::sim
