// SPDX-License-Identifier: GPL-3.0-or-later

// The Seer's speed: positions searched a second, its evaluation, the time to
// finish depths 1 to 4, and the time of a move at each level, over positions
// met in seeded all-computer games on the four boards.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "flow/end_of_game.h"
#include "flow/seats.h"
#include "game/legal_moves.h"
#include "players/computer_move.h"
#include "players/seer.h"
#include "sim/game_runner.h"

namespace vaeloric {
namespace {

struct TPosition {
    TBoard board;
    std::int32_t army;
    TDieFace face;
    TSeerGame game;
};

// Every 7th position before a computer move, up to 60, from games of the
// rule opponents: the same every run.
const std::vector<TPosition>& Corpus() {
    static const std::vector<TPosition> corpus = [] {
        static constexpr char kBoards[4] = {'W', 'A', 'E', 'F'};
        static constexpr TSquare kPtah[4] = {{2, 1}, {4, 5}, {5, 4}, {7, 7}};
        std::vector<TPosition> positions;
        long seen = 0;
        for (int game = 0; game < 40 && positions.size() < 60; ++game) {
            sim::TGameOptions options;
            options.boardLetter = kBoards[game % 4];
            options.ptah = kPtah[(game / 4) % 4];
            const TSetUpRecord setUp = sim::GameSetUp(options);
            TBoard board;
            AssignSeats(setUp, board);
            board.SetPlayerCode(QuadrantArmy(options.ptah), 5);
            board.SetUp(setUp.ptah, setUp.boardLetter);
            TTurnState turn;
            std::minstd_rand dice(static_cast<std::uint32_t>(500 + game));
            for (int number = 1; number <= 300 && positions.size() < 60; ++number) {
                const std::int32_t army = board.armyToMove;
                const TDieFace face = static_cast<TDieFace>(dice() % 6 + 1);
                if (turn.checkmated[army] == 0 && !HasNoLegalMove(board, face, army)) {
                    if (++seen % 7 == 0) {
                        positions.push_back({board, army, face, SeerGameOf(turn)});
                    }
                    SquareRecord destination, origin;
                    ChooseComputerMove(board, face, army, destination, origin);
                }
                board.armyToMove = NextArmy(army);
                const TEndOfGameDecision decision = DecideEndOfGame(board, turn);
                ApplyEndOfGame(decision, turn);
                if (decision.GameOver()) break;
            }
        }
        return positions;
    }();
    return corpus;
}

void BM_SeerNodesPerSecond(benchmark::State& state) {
    TSeerSearch search;
    TSeerLimits limits;
    limits.nodes = state.range(0);
    long nodes = 0;
    for (auto _ : state) {
        for (TPosition position : Corpus()) {
            const TSeerAnswer answer =
                search.Search(position.board, position.army, position.face, position.game, limits);
            nodes += answer.nodes;
            benchmark::DoNotOptimize(answer);
        }
    }
    state.counters["nodes_per_second"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SeerNodesPerSecond)->Arg(3000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SeerEvaluate(benchmark::State& state) {
    std::vector<TPosition> corpus = Corpus();
    std::size_t i = 0;
    for (auto _ : state) {
        TPosition& position = corpus[i++ % corpus.size()];
        benchmark::DoNotOptimize(SeerEvaluate(position.board, position.army));
    }
    state.counters["evaluations_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SeerEvaluate);

// The time to finish each depth, as median and worst over the corpus.
void BM_SeerTimeToDepth(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    TSeerSearch search;
    const auto& corpus = Corpus();
    std::vector<double> best(corpus.size(), 1e12);
    long nodes = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < corpus.size(); ++i) {
            TPosition position = corpus[i];
            const auto start = std::chrono::steady_clock::now();
            const TSeerAnswer answer = search.SearchDepth(position.board, position.army,
                                                          position.face, position.game, depth);
            best[i] = std::min(best[i], std::chrono::duration<double, std::milli>(
                                            std::chrono::steady_clock::now() - start)
                                            .count());
            nodes += answer.nodes;
        }
    }
    std::sort(best.begin(), best.end());
    state.counters["median_ms"] = best[best.size() / 2];
    state.counters["worst_ms"] = best.back();
    state.counters["nodes_per_second"] =
        benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SeerTimeToDepth)->DenseRange(1, 4)->Unit(benchmark::kMillisecond)->Iterations(1);

// One move at each level's node budget: median and worst time and depth.
void BM_SeerLevelMove(benchmark::State& state) {
    const TSeerLevel& level = SeerLevel(static_cast<int>(state.range(0)));
    TSeerSearch search;
    TSeerLimits limits;
    limits.nodes = level.nodes;
    const auto& corpus = Corpus();
    std::vector<double> best(corpus.size(), 1e12);
    double depths = 0;
    for (auto _ : state) {
        depths = 0;
        for (std::size_t i = 0; i < corpus.size(); ++i) {
            TPosition position = corpus[i];
            const auto start = std::chrono::steady_clock::now();
            const TSeerAnswer answer =
                search.Search(position.board, position.army, position.face, position.game, limits);
            best[i] = std::min(best[i], std::chrono::duration<double, std::milli>(
                                            std::chrono::steady_clock::now() - start)
                                            .count());
            depths += answer.depth;
        }
    }
    std::sort(best.begin(), best.end());
    state.counters["nodes"] = static_cast<double>(level.nodes);
    state.counters["median_ms"] = best[best.size() / 2];
    state.counters["worst_ms"] = best.back();
    state.counters["mean_depth"] = depths / static_cast<double>(corpus.size());
}
BENCHMARK(BM_SeerLevelMove)
    ->DenseRange(0, kSeerLevelCount - 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

}  // namespace
}  // namespace vaeloric
