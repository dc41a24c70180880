// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "sim/tournament/report.h"

namespace vaeloric::sim {

// One line per game played, in schedule order: everything `play` needs to
// replay it (its seats are other, questioner side, other) and its result.
// The same plan gives the same bytes whatever the number of threads.
std::string ResultsCsv(const TTournamentReport& report);

// The plan, the two tables' figures, the fit and every game.
std::string ResultsJson(const TTournamentReport& report);

}  // namespace vaeloric::sim
