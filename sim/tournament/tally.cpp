// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/tally.h"

#include <algorithm>

namespace vaeloric::sim {

void TResultCount::Add(bool won, bool lost) {
    ++games;
    wins += won ? 1 : 0;
    losses += lost ? 1 : 0;
    unfinished += (won || lost) ? 0 : 1;
}

TTournamentTally TallyGames(const TTournamentPlan& plan, const std::vector<TPlayedGame>& games) {
    const auto profileIndex = [&](std::int32_t code) {
        return static_cast<int>(std::find(plan.profiles.begin(), plan.profiles.end(), code) -
                                plan.profiles.begin());
    };
    const int n = static_cast<int>(plan.profiles.size());
    TTournamentTally tally;
    for (std::int32_t code : plan.profiles) {
        TProfileTally profile;
        profile.code = code;
        profile.opponentsBoard.resize(plan.boards.size());
        tally.profiles.push_back(profile);
    }
    for (int q = 0; q < n; ++q)
        for (int o = 0; o < n; ++o)
            if (q != o) tally.pairings.push_back({q, o, 0, 0, 0});
    tally.cross.assign(static_cast<std::size_t>(n),
                       std::vector<TResultCount>(static_cast<std::size_t>(n)));

    for (const TPlayedGame& played : games) {
        const int q = profileIndex(played.game.questionerSide);
        const int o = profileIndex(played.game.otherSide);
        const bool win = played.result == TGameResult::Win;
        const bool lose = played.result == TGameResult::Lose;
        tally.profiles[static_cast<std::size_t>(q)].own.Add(win, lose);
        TProfileTally& other = tally.profiles[static_cast<std::size_t>(o)];
        other.own.Add(lose, win);
        other.asOpponents.Add(win, lose);
        const std::size_t board = plan.boards.find(played.game.board);
        other.opponentsBoard[board].Add(win, lose);
        // Pairings are listed questioner-major, skipping q == o.
        TPairingScore& pairing =
            tally.pairings[static_cast<std::size_t>(q * (n - 1) + o - (o > q ? 1 : 0))];
        pairing.games += (win || lose) ? 1 : 0;
        pairing.score += win ? 1 : 0;
        pairing.unfinished += (win || lose) ? 0 : 1;
        tally.cross[static_cast<std::size_t>(q)][static_cast<std::size_t>(o)].Add(win, lose);
        tally.cross[static_cast<std::size_t>(o)][static_cast<std::size_t>(q)].Add(lose, win);
        tally.unfinished += (win || lose) ? 0 : 1;
    }
    return tally;
}

}  // namespace vaeloric::sim
