// SPDX-License-Identifier: GPL-3.0-or-later

// The computer player's speed: one move choice over a fixed corpus of
// self-play positions (median and worst reported as counters), and whole
// computer games as vaeloric-sim plays them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <vector>

#include "flow/end_of_game.h"
#include "flow/seats.h"
#include "game/legal_moves.h"
#include "players/computer_move.h"
#include "players/evaluation.h"
#include "sim/game_runner.h"

namespace vaeloric {
namespace {

struct TCorpusPosition {
    TBoard board;
    std::int32_t army;
    TDieFace face;
};

constexpr int kPerPhase = 80;  // early, middle and late game

// Positions met before computer moves in seeded all-computer games on the
// four boards: the same every run, as long as the players choose as before
// (which the bench signature test guards).
const std::vector<TCorpusPosition>& Corpus() {
    static const std::vector<TCorpusPosition> corpus = [] {
        static constexpr char kBoards[4] = {'W', 'A', 'E', 'F'};
        static constexpr TSquare kPtah[8] = {{2, 1}, {4, 5}, {5, 4}, {7, 7},
                                             {3, 2}, {6, 6}, {1, 3}, {5, 8}};
        std::vector<TCorpusPosition> phase[3];
        for (int game = 0; game < 400; ++game) {
            if (phase[0].size() >= 400 && phase[1].size() >= 400 && phase[2].size() >= 400) break;
            sim::TGameOptions options;
            options.boardLetter = kBoards[game % 4];
            options.ptah = kPtah[(game / 4) % 8];
            const TSetUpRecord setUp = sim::GameSetUp(options);
            TBoard board;
            AssignSeats(setUp, board);
            board.SetPlayerCode(QuadrantArmy(options.ptah), 5);
            board.SetUp(setUp.ptah, setUp.boardLetter);
            TTurnState turn;
            std::minstd_rand dice(static_cast<std::uint32_t>(1000 + game));
            for (int number = 1; number <= 400; ++number) {
                const std::int32_t army = board.armyToMove;
                const TDieFace face = static_cast<TDieFace>(dice() % 6 + 1);
                if (turn.checkmated[army] == 0 && !HasNoLegalMove(board, face, army)) {
                    phase[number <= 40 ? 0 : number <= 150 ? 1 : 2].push_back({board, army, face});
                    SquareRecord destination, origin;
                    ChooseComputerMove(board, face, army, destination, origin);
                }
                board.armyToMove = NextArmy(army);
                const TEndOfGameDecision decision = DecideEndOfGame(board, turn);
                ApplyEndOfGame(decision, turn);
                if (decision.GameOver()) break;
            }
        }
        // Evenly spread picks from each phase.
        std::vector<TCorpusPosition> picked;
        for (const auto& positions : phase) {
            const std::size_t n = positions.size();
            for (int i = 0; i < kPerPhase && n > 0; ++i)
                picked.push_back(positions[i * n / kPerPhase]);
        }
        return picked;
    }();
    return corpus;
}

void BM_ChooseComputerMoveCorpus(benchmark::State& state) {
    const auto& corpus = Corpus();
    std::vector<double> best(corpus.size(), 1e9);
    for (auto _ : state) {
        for (std::size_t i = 0; i < corpus.size(); ++i) {
            TBoard board = corpus[i].board;
            SquareRecord destination, origin;
            const auto start = std::chrono::steady_clock::now();
            ChooseComputerMove(board, corpus[i].face, corpus[i].army, destination, origin);
            const double ms =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                    .count();
            best[i] = std::min(best[i], ms);
            benchmark::DoNotOptimize(destination);
        }
    }
    std::vector<double> sorted = best;
    std::sort(sorted.begin(), sorted.end());
    state.counters["positions"] = static_cast<double>(corpus.size());
    state.counters["median_ms"] = sorted[sorted.size() / 2];
    state.counters["worst_ms"] = sorted.back();
    int faces[7] = {};
    for (const auto& position : corpus) ++faces[position.face];
    for (int face = 1; face <= 6; ++face)
        state.counters["face" + std::to_string(face)] = faces[face];
}
BENCHMARK(BM_ChooseComputerMoveCorpus)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_EvaluatePosition(benchmark::State& state) {
    const auto& corpus = Corpus();
    std::size_t i = 0;
    for (auto _ : state) {
        TBoard board = corpus[i].board;
        benchmark::DoNotOptimize(EvaluatePosition(board, corpus[i].army, 1));
        i = (i + 1) % corpus.size();
    }
}
BENCHMARK(BM_EvaluatePosition)->Unit(benchmark::kMicrosecond);

// One whole game as `vaeloric-sim play` plays it, readings included.
void BM_ComputerGame(benchmark::State& state) {
    sim::TGameOptions options;
    options.boardLetter = 'F';
    options.ptah = TSquare{5, 4};
    options.seed = 3;
    options.turnLimit = 400;
    auto game = std::make_unique<sim::TGame>();
    for (auto _ : state) {
        sim::PlayGame(options, *game,
                      [](const std::string& line) { benchmark::DoNotOptimize(line.data()); });
    }
    state.counters["turns"] = static_cast<double>(game->turns);
    state.counters["moves"] = static_cast<double>(game->computerMoves);
}
BENCHMARK(BM_ComputerGame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vaeloric
