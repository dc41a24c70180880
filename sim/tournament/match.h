// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "sim/tournament/runner.h"

namespace vaeloric::sim {

// One profile's games against another, counted as engine testers count
// them: three outcomes of single games (an unfinished game is the third,
// scoring a half as a drawn game does, with its own frequency), and the
// five outcomes of pairs, a pair being the two games of one round and board
// with the sides swapped.
struct TMatchCounts {
    long wins = 0;
    long losses = 0;
    long unfinished = 0;
    // Pairs by the first profile's score over the two games: 0, 1/2, 1,
    // 3/2, 2.
    std::array<long, 5> pairs{};

    long Games() const { return wins + losses + unfinished; }
    long Pairs() const;
};

// Counts games one by one, as a sequential test needs.
class TMatchTally {
  public:
    TMatchTally(std::int32_t first, std::int32_t second) : first_(first), second_(second) {}
    void Add(const TPlayedGame& played);  // a game of other profiles is left out
    const TMatchCounts& Counts() const { return counts_; }

  private:
    std::int32_t first_, second_;
    TMatchCounts counts_;
    // The first profile's half points by (round, board) and side, until
    // the pair is whole.
    std::map<std::pair<long, char>, std::array<int, 2>> open_;
};

// The games between `first` and `second` among `games`, from the first's
// side.
TMatchCounts CountMatch(const std::vector<TPlayedGame>& games, std::int32_t first,
                        std::int32_t second);

// The games of indexes 0, 1, 2 ... up to the first one missing: what a
// sequential test may look at, the same whatever order threads finish in.
std::vector<TPlayedGame> PlayedPrefix(const std::vector<TPlayedGame>& sortedGames);

// A score's mean and variance per unit (a game, or a pair scored 0 to 1),
// over `units` units; half a unit of every outcome is added to the counts
// they are drawn from.
struct TScoreSample {
    double mean = 0.5;
    double variance = 0;
    double units = 0;
};
TScoreSample TrinomialSample(const TMatchCounts& counts);
TScoreSample PentanomialSample(const TMatchCounts& counts);

// The Elo difference the sample's mean score gives, with its 95 %
// interval (from the score's interval); all zero for an empty sample.
struct TEloEstimate {
    double elo = 0;
    double low = 0;
    double high = 0;
};
TEloEstimate EloOf(const TScoreSample& sample);

// The generalized sequential probability ratio test on logistic Elo, as
// engine testers run it: the log-likelihood ratio of Elo ELO1 against ELO0
// by the normal approximation, LLR = n (s1 - s0) (2 m - s0 - s1) / (2 v),
// with m and v the sample's mean and variance and s the expected score of
// each Elo; H1 is accepted once LLR >= log((1 - beta) / alpha), H0 once
// LLR <= log(beta / (1 - alpha)).
struct TSprtSettings {
    double elo0 = 0;
    double elo1 = 5;
    double alpha = 0.05;
    double beta = 0.05;
};
enum class TSprtVerdict { Continue, AcceptH0, AcceptH1 };
struct TSprtState {
    double llr = 0;
    double lower = 0;
    double upper = 0;
    TSprtVerdict verdict = TSprtVerdict::Continue;
};
TSprtState SprtState(const TSprtSettings& settings, const TScoreSample& sample);

}  // namespace vaeloric::sim
