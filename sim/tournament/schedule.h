// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/square.h"
#include "players/opponent_profiles.h"
#include "players/seer.h"
#include "sim/game_runner.h"

namespace vaeloric::sim {

// Every rule opponent's code, in order.
inline std::vector<std::int32_t> RuleOpponents() {
    std::vector<std::int32_t> codes;
    for (std::int32_t code = kRuleOpponentCodes.first; code <= kRuleOpponentCodes.last; ++code)
        codes.push_back(code);
    return codes;
}

// A program outside that speaks the engine protocol, in a tournament under
// the code kFirstEngineCode + its place in the plan's list.
struct TOutsideEngine {
    std::string name;
    std::string command;
};
inline constexpr std::int32_t kFirstEngineCode = 10;

// Which games a tournament plays: every profile as the Questioner's side
// (Questioner and ally) against every other profile as the other side, on
// every board, `gamesPerPairing` times.
struct TTournamentPlan {
    std::vector<std::int32_t> profiles = RuleOpponents();
    std::string boards = "WAEF";
    long gamesPerPairing = 10;
    long turnLimit = 400;
    std::uint64_t baseSeed = 1;
    long seerNodes = SeerLevel(kDefaultSeerLevel).nodes;  // the Seer's budget per move
    // In pairs: the game of A as the Questioner's side against B and the
    // game of B against A (same round and board) share their throws and Ptah
    // square, so the luck of the dice falls on both profiles alike.
    bool pairs = false;
    std::vector<TOutsideEngine> engines;  // their codes follow the profiles
    long engineMilliseconds = 1000;       // an engine's time for a move

    bool IsEngine(std::int32_t code) const {
        return code >= kFirstEngineCode &&
               code < kFirstEngineCode + static_cast<std::int32_t>(engines.size());
    }
    const TOutsideEngine& Engine(std::int32_t code) const {
        return engines[static_cast<std::size_t>(code - kFirstEngineCode)];
    }
    // The profile's name, or the engine's.
    std::string NameOf(std::int32_t code) const;

    long PairCount() const;  // ordered pairs of profiles
    long GameCount() const;
};

// One game of the plan. Its dice seed and Ptah square come from the base
// seed and the game's own key (board, sides, round) alone, so a game is the
// same whatever else the tournament plays and whichever thread plays it.
struct TScheduledGame {
    long index = 0;
    long round = 0;
    char board = 'W';
    std::int32_t questionerSide = 0;
    std::int32_t otherSide = 0;
    TSquare ptah;
    std::uint32_t seed = 1;  // 1..2147483646, as `play --seed` takes it
};

// Games run round by round, so an interrupted tournament is still balanced.
TScheduledGame ScheduledGame(const TTournamentPlan& plan, long index);

// The options `play` would need to replay the game. An engine's armies are
// seats of humans (code 1, letter h): their moves come from outside.
TGameOptions GameOptionsOf(const TScheduledGame& game, long turnLimit,
                           long seerNodes = SeerLevel(kDefaultSeerLevel).nodes);
TGameOptions GameOptionsOf(const TTournamentPlan& plan, const TScheduledGame& game);

}  // namespace vaeloric::sim
