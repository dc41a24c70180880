// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "sim/tournament/schedule.h"

namespace vaeloric::sim {

struct TPlayedGame {
    TScheduledGame game;
    TGameResult result = TGameResult::Unfinished;
    long turns = 0;
    // Why an outside engine lost the game without playing it out; empty
    // otherwise.
    std::string note;
};

struct TTournamentRun {
    std::vector<TPlayedGame> games;  // the games played, in schedule order
    bool stopped = false;            // stopped before every game was played
    double seconds = 0;
};

// What a run may do besides playing.
struct TRunHooks {
    // Games of the plan already played (by an earlier, interrupted run):
    // they are not played again and count as done.
    std::vector<TPlayedGame> alreadyPlayed;
    // When set, every game's record is written there as game-N.vrec.
    std::string recordsFolder;
    // Called from the calling thread about five times a second, and once at
    // the end, with every game finished so far (in the order they finished;
    // the games already played first). The workers wait meanwhile.
    std::function<void(const std::vector<TPlayedGame>& finished, double seconds)> progress;
};

// Plays the plan's games on `threads` threads. Once `stop` is set no new
// game starts; the games under way are finished. `progress` is called from
// the calling thread about five times a second with the games done so far.
TTournamentRun PlayTournament(const TTournamentPlan& plan, int threads,
                              const std::atomic<bool>& stop,
                              const std::function<void(long done, double seconds)>& progress);

TTournamentRun PlayTournament(const TTournamentPlan& plan, int threads,
                              const std::atomic<bool>& stop, const TRunHooks& hooks);

}  // namespace vaeloric::sim
