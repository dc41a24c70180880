// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sim/tournament/rating_fit.h"
#include "sim/tournament/runner.h"

namespace vaeloric::sim {

struct TResultCount {
    long games = 0;
    long wins = 0;
    long losses = 0;
    long unfinished = 0;

    void Add(bool won, bool lost);
};

// A profile's own record (wins and losses of its side, on either side) and,
// as the other side, how often the Questioner's side won against it: the
// chance of a favourable answer, over all boards and per board.
struct TProfileTally {
    std::int32_t code = 0;
    TResultCount own;
    TResultCount asOpponents;                  // wins are the Questioner's
    std::vector<TResultCount> opponentsBoard;  // in the plan's board order
};

struct TTournamentTally {
    std::vector<TProfileTally> profiles;  // in the plan's profile order
    std::vector<TPairingScore> pairings;
    // cross[row][column]: the row profile's games against the column
    // profile, on either side, as its own wins, losses and unfinished games.
    std::vector<std::vector<TResultCount>> cross;
    long unfinished = 0;
};

TTournamentTally TallyGames(const TTournamentPlan& plan, const std::vector<TPlayedGame>& games);

}  // namespace vaeloric::sim
