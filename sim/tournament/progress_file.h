// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "sim/tournament/runner.h"

namespace vaeloric::sim {

// The file a run keeps its finished games in as it goes, so that a stopped
// run can be taken up again: a first line naming the file's kind, a line
// with every figure of the plan, then one CSV line per game finished (the
// CSV file's fields before the run id), in schedule order.
std::string ProgressFileText(const TTournamentPlan& plan, std::vector<TPlayedGame> games);

// The games of `text`. False when it is not the progress file of this very
// plan, or a line does not match the game the plan schedules at its index.
bool ReadProgressFile(const TTournamentPlan& plan, const std::string& text,
                      std::vector<TPlayedGame>& games);

}  // namespace vaeloric::sim
