// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "sim/commands.h"
#include "sim/tournament/match.h"
#include "sim/tournament/schedule.h"

namespace vaeloric::sim {

inline constexpr long kMaxGamesPerPairing = 1000000;
inline constexpr long kMaxTournamentGames = 10000000;
inline constexpr long kMaxTournamentTurns = 100000;
inline constexpr long kMaxThreads = 256;
// A sequential test plays until it decides; without --games, at most this
// many games per pairing and board.
inline constexpr long kSprtDefaultGames = 20000;
inline constexpr long kMaxEngineMilliseconds = 600000;
inline constexpr std::size_t kMaxEngines = 8;

struct TTournamentOptions {
    TTournamentPlan plan;
    int threads = 1;
    std::string csvPath, jsonPath, svgPath;
    std::string resumePath;     // the progress file, written as the run goes
    std::string recordsFolder;  // every game's record, when given
    bool sprt = false;
    TSprtSettings sprtSettings;
};

// Checks every option; a bad one throws TUsageError with one sentence.
TTournamentOptions ParseTournamentOptions(const TArguments& args);

}  // namespace vaeloric::sim
