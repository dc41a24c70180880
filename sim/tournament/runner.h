// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <functional>
#include <vector>

#include "sim/tournament/schedule.h"

namespace vaeloric::sim {

struct TPlayedGame {
    TScheduledGame game;
    TGameResult result = TGameResult::Unfinished;
    long turns = 0;
};

struct TTournamentRun {
    std::vector<TPlayedGame> games;  // the games played, in schedule order
    bool stopped = false;            // stopped before every game was played
    double seconds = 0;
};

// Plays the plan's games on `threads` threads. Once `stop` is set no new
// game starts; the games under way are finished. `progress` is called from
// the calling thread about five times a second with the games done so far.
TTournamentRun PlayTournament(const TTournamentPlan& plan, int threads,
                              const std::atomic<bool>& stop,
                              const std::function<void(long done, double seconds)>& progress);

}  // namespace vaeloric::sim
