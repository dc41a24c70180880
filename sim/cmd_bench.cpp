// SPDX-License-Identifier: GPL-3.0-or-later

#include <chrono>
#include <cstdio>
#include <memory>

#include "sim/commands.h"
#include "sim/game_runner.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

void Hash(std::uint64_t& hash, const std::string& line) {
    for (unsigned char c : line) {
        hash ^= c;
        hash *= kFnvPrime;
    }
    hash ^= static_cast<unsigned char>('\n');
    hash *= kFnvPrime;
}

}  // namespace

TBenchFigures Bench(long games, long turnLimit) {
    static constexpr char kBoards[4] = {'W', 'A', 'E', 'F'};
    static constexpr TSquare kPtahSquares[8] = {{2, 1}, {4, 5}, {5, 4}, {7, 7},
                                                {3, 2}, {6, 6}, {1, 3}, {5, 8}};
    TBenchFigures figures;
    figures.hash = kFnvOffset;
    const auto start = std::chrono::steady_clock::now();
    auto game = std::make_unique<TGame>();
    for (long i = 1; i <= games; ++i) {
        TGameOptions options;
        options.boardLetter = kBoards[(i - 1) % 4];
        options.ptah = kPtahSquares[(i - 1) % 8];
        options.seed = static_cast<std::uint32_t>(i % 2147483647);
        options.turnLimit = turnLimit;
        PlayGame(options, *game, [&](const std::string& line) { Hash(figures.hash, line); });
        figures.turns += game->turns;
        figures.computerMoves += game->computerMoves;
    }
    figures.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return figures;
}

int RunBench(const TArguments& args, std::string& out) {
    long games = 20, turns = 400;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--games")
            games = ParseCount(OptionValue(args, i), "--games", kMaxBenchGames);
        else if (args[i] == "--turns")
            turns = ParseCount(OptionValue(args, i), "--turns", kMaxTurns);
        else
            throw TUsageError("Unknown option '" + args[i] + "' for bench.");
    }
    const TBenchFigures figures = Bench(games, turns);
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(figures.hash));
    const double perMove =
        figures.computerMoves > 0
            ? figures.seconds * 1000.0 / static_cast<double>(figures.computerMoves)
            : 0.0;
    char timing[160];
    std::snprintf(timing, sizeof timing, "time %.3f moves %ld per-move-ms %.3f", figures.seconds,
                  figures.computerMoves, perMove);
    out += "signature " + std::to_string(figures.turns) + " " + hash + "\n";
    out += std::string(timing) + "\n";
    return 0;
}

}  // namespace vaeloric::sim
