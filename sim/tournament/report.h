// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

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

    // Profile indexes from the highest rating down (ties by code).
    std::vector<int> ByRating() const;
    // Profile indexes from the best chance of a favourable answer down.
    std::vector<int> ByChance() const;
};

TTournamentReport MakeReport(const TTournamentPlan& plan, TTournamentRun run, int threads);

// The two tables for standard output.
std::string ReportText(const TTournamentReport& report);

}  // namespace vaeloric::sim
