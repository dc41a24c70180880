// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "sim/tournament/report.h"

namespace vaeloric::sim {

// The three result files of a run are written one after another, so that a
// run stopped between them leaves files of two runs side by side. Each file
// therefore carries the run's identity: 16 hexadecimal digits drawn from the
// whole result, the same in the CSV's "run" column, the JSON's "run" member
// and the chart's "run:" comment. Files whose identities differ are not of
// one run.
std::string RunId(const TTournamentReport& report);

// One line per game played, in schedule order: everything `play` needs to
// replay it (its seats are other, questioner side, other) and its result.
// The same plan gives the same bytes whatever the number of threads.
std::string ResultsCsv(const TTournamentReport& report);

// A game's CSV fields before the run id:
// game,round,board,ptah,questioner_side,other_side,seed,turns,result.
std::string GameCsvFields(const TPlayedGame& played);

// The plan, the two tables' figures, the fit and every game.
std::string ResultsJson(const TTournamentReport& report);

}  // namespace vaeloric::sim
