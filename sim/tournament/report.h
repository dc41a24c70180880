// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "sim/tournament/match.h"
#include "sim/tournament/rating_fit.h"
#include "sim/tournament/runner.h"
#include "sim/tournament/tally.h"

namespace vaeloric::sim {

// Everything the tables, the chart and the files are made from.
struct TTournamentReport {
    TTournamentPlan plan;
    TTournamentRun run;
    int threads = 1;
    TTournamentTally tally;
    TRatingFit fit;
    // With --sprt: the test and where it stood when the run ended.
    bool sprt = false;
    TSprtSettings sprtSettings;
    TSprtState sprtState;

    // Profile indexes from the highest rating down (ties by code).
    std::vector<int> ByRating() const;
    // Profile indexes from the best chance of a favourable answer down.
    std::vector<int> ByChance() const;
};

TTournamentReport MakeReport(const TTournamentPlan& plan, TTournamentRun run, int threads);

// The two tables, the cross-table and, between two profiles, the Elo
// difference (and the sequential test), for standard output.
std::string ReportText(const TTournamentReport& report);

// The sample a two-profile comparison rests on: pairs when the plan plays
// pairs, single games otherwise. The first profile's view.
TScoreSample MatchSample(const TTournamentPlan& plan, const std::vector<TPlayedGame>& games);

// "best 9 1561 +-30" for the progress line: the profile rated highest so far
// with its interval, or, between two profiles, the first's Elo over the
// second's.
std::string RunningRating(const TTournamentPlan& plan, const std::vector<TPlayedGame>& games);

}  // namespace vaeloric::sim
