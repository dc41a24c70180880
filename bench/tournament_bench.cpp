// SPDX-License-Identifier: GPL-3.0-or-later

// Tournament throughput: whole computer games of at most 400 turns a second,
// on one thread and on two. The same 168 games (every ordered pair of the
// seven opponents on the four boards) in every run.
#include <benchmark/benchmark.h>

#include <atomic>
#include <ctime>

#include "sim/tournament/runner.h"

namespace vaeloric {
namespace {

void BM_TournamentGames(benchmark::State& state) {
    sim::TTournamentPlan plan;
    plan.gamesPerPairing = 1;
    plan.turnLimit = 400;
    const std::atomic<bool> stop{false};
    long games = 0, turns = 0;
    // Process CPU time too: on a shared machine the real-time rate says more
    // about the neighbours than about the games.
    const std::clock_t cpuStart = std::clock();
    for (auto _ : state) {
        const sim::TTournamentRun run =
            sim::PlayTournament(plan, static_cast<int>(state.range(0)), stop, nullptr);
        games += static_cast<long>(run.games.size());
        for (const sim::TPlayedGame& game : run.games) turns += game.turns;
    }
    state.counters["games_per_s"] =
        benchmark::Counter(static_cast<double>(games), benchmark::Counter::kIsRate);
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    state.counters["games_per_cpu_s"] =
        cpuSeconds > 0 ? static_cast<double>(games) / cpuSeconds : 0.0;
    state.counters["turns_per_game"] =
        games > 0 ? static_cast<double>(turns) / static_cast<double>(games) : 0.0;
}
BENCHMARK(BM_TournamentGames)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaeloric
