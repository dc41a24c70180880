// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "sim/game_runner.h"

namespace vaeloric::sim {

// Writes the analysis file of the game as the board programs write it: the
// answer for a won or lost game, the premature-end note for an unfinished one.
bool WriteAnalysis(const std::string& path, const TGame& game);

}  // namespace vaeloric::sim
