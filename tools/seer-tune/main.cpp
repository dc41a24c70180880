// SPDX-License-Identifier: GPL-3.0-or-later

// vaeloric-seer-tune [--games N] [--seed S] [--nodes N] [--threads N]
//                    [--every N] [--passes N] [--freeze NAME,NAME...]
// Plays the games, fits the weights and prints them with the losses before
// and after, on the fitted and on the held-out positions. The same options
// give the same output on any machine and any thread count.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "players/seer_weights.h"
#include "tools/seer-tune/seer_tune.h"

int main(int argc, char** argv) {
    using namespace vaeloric;
    tune::TTuneGamesOptions options;
    int passes = 30;
    std::uint32_t frozen = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) {
            std::cerr << "Option '" << option << "' needs a value.\n";
            return 2;
        }
        if (option == "--freeze") {
            if (!tune::FrozenWeights(argv[++i], frozen)) {
                std::cerr << "Unknown weight in '" << argv[i] << "'.\n";
                return 2;
            }
            continue;
        }
        const long value = std::strtol(argv[++i], nullptr, 10);
        if (value <= 0) {
            std::cerr << "Option '" << option << "' needs a positive number.\n";
            return 2;
        }
        if (option == "--games") {
            options.games = value;
        } else if (option == "--seed") {
            options.seed = static_cast<std::uint64_t>(value);
        } else if (option == "--nodes") {
            options.seerNodes = value;
        } else if (option == "--threads") {
            options.threads = static_cast<int>(value);
        } else if (option == "--every") {
            options.every = static_cast<int>(value);
        } else if (option == "--passes") {
            passes = static_cast<int>(value);
        } else {
            std::cerr << "Unknown option '" << option << "'.\n";
            return 2;
        }
    }
    const auto positions = tune::PlayTuneGames(options);
    std::cout << "positions: " << positions.size() << std::endl;
    const tune::TFitReport report = tune::FitWeights(
        kSeerWeights, positions, passes,
        [](const std::string& line) { std::cout << line << std::endl; }, frozen);
    std::printf("k %.4f\nfitted loss %.6f -> %.6f\nheld-out loss %.6f -> %.6f\nweights %s\n",
                report.k, report.fitBefore, report.fitAfter, report.heldBefore, report.heldAfter,
                tune::WeightsText(report.weights).c_str());
    return 0;
}
