// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/options.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "flow/safe_file.h"
#include "sim/sim_support.h"
#include "sim/tournament/engine_process.h"

namespace vaeloric::sim {

namespace {

std::vector<std::int32_t> ParseProfiles(const std::string& text) {
    std::vector<std::int32_t> profiles;
    bool valid = true;
    for (char c : text) {
        if (c == ',') continue;
        const std::int32_t code = c - '0';
        valid = valid && IsAnyComputerCode(code) &&
                std::find(profiles.begin(), profiles.end(), code) == profiles.end();
        profiles.push_back(code);
    }
    if (!valid || profiles.empty()) {
        throw TUsageError(
            "--profiles needs two to eight different player codes from 2 to 9"
            " (such as 2357 or 2,3,5,7,9), not '" +
            text + "'.");
    }
    return profiles;
}

std::string ParseBoards(const std::string& text) {
    bool valid = !text.empty();
    for (std::size_t i = 0; i < text.size(); ++i)
        valid = valid && std::string("WAEF").find(text[i]) != std::string::npos &&
                text.find(text[i]) == i;
    if (!valid) {
        throw TUsageError("--boards needs different board letters from W, A, E and F, not '" +
                          text + "'.");
    }
    return text;
}

std::uint64_t ParseBaseSeed(const std::string& text) {
    bool valid = !text.empty() && text.size() <= 10;
    for (char c : text) valid = valid && c >= '0' && c <= '9';
    if (!valid || std::stoull(text) > 4294967295ull) {
        throw TUsageError("--seed must be a whole number from 0 to 4294967295, not '" + text +
                          "'.");
    }
    return std::stoull(text);
}

// Checked before the games so that a long run is not lost to a typing error:
// a regular file or none, in an existing folder.
std::string OutputPath(const std::string& option, const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path target(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    CheckOutputTarget(path);
    if (path.empty() || fs::is_directory(target, error) || !fs::is_directory(folder, error)) {
        throw TUsageError(option + " needs a file in an existing folder, not '" + path + "'.");
    }
    return path;
}

// ELO0,ELO1[,ALPHA,BETA]: two Elo differences, ELO0 < ELO1, and the two
// error rates, each between 0 and 1/2.
TSprtSettings ParseSprt(const std::string& text) {
    std::vector<double> values;
    bool valid = !text.empty() && text.back() != ',';
    std::size_t start = 0;
    while (valid && start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string field = text.substr(start, end - start);
        char* stop = nullptr;
        const double value = std::strtod(field.c_str(), &stop);
        valid = !field.empty() && stop == field.c_str() + field.size() && std::isfinite(value) &&
                std::fabs(value) <= 1000;
        values.push_back(value);
        start = end + 1;
    }
    valid = valid && (values.size() == 2 || values.size() == 4) && values[0] < values[1];
    if (valid && values.size() == 4)
        valid = values[2] > 0 && values[2] < 0.5 && values[3] > 0 && values[3] < 0.5;
    if (!valid) {
        throw TUsageError(
            "--sprt needs ELO0,ELO1 with ELO0 below ELO1, and optionally ,ALPHA,BETA between 0"
            " and 0.5 (such as 0,10 or 0,10,0.05,0.05), not '" +
            text + "'.");
    }
    TSprtSettings settings;
    settings.elo0 = values[0];
    settings.elo1 = values[1];
    if (values.size() == 4) {
        settings.alpha = values[2];
        settings.beta = values[3];
    }
    return settings;
}

// NAME=COMMAND: a short name of letters, digits, '.', '_' or '-', and the
// command /bin/sh runs.
TOutsideEngine ParseEngine(const std::string& text) {
    const std::size_t equals = text.find('=');
    TOutsideEngine engine;
    if (equals != std::string::npos) {
        engine.name = text.substr(0, equals);
        engine.command = text.substr(equals + 1);
    }
    bool valid = !engine.name.empty() && engine.name.size() <= 17 &&
                 engine.command.find_first_not_of(' ') != std::string::npos &&
                 engine.command.find_first_of("\r\n") == std::string::npos;
    for (char c : engine.name)
        valid = valid && ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '.' || c == '_' || c == '-');
    if (!valid) {
        throw TUsageError(
            "--engine needs NAME=COMMAND, a name of up to 17 letters, digits, '.', '_' or '-'"
            " and a command, not '" +
            text + "'.");
    }
    if (!EnginesSupported()) throw TUsageError("Outside engines cannot be run on this system.");
    return engine;
}

std::string ExistingFolder(const std::string& option, const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_directory(path, error))
        throw TUsageError(option + " needs an existing folder, not '" + path + "'.");
    return path;
}

}  // namespace

TTournamentOptions ParseTournamentOptions(const TArguments& args) {
    TTournamentOptions options;
    options.threads = static_cast<int>(std::clamp<unsigned>(std::thread::hardware_concurrency(), 1,
                                                            static_cast<unsigned>(kMaxThreads)));
    bool gamesGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--profiles")
            options.plan.profiles = ParseProfiles(OptionValue(args, i));
        else if (option == "--boards")
            options.plan.boards = ParseBoards(OptionValue(args, i));
        else if (option == "--turns")
            options.plan.turnLimit =
                ParseCount(OptionValue(args, i), "--turns", kMaxTournamentTurns);
        else if (option == "--seed")
            options.plan.baseSeed = ParseBaseSeed(OptionValue(args, i));
        else if (option == "--threads")
            options.threads =
                static_cast<int>(ParseCount(OptionValue(args, i), "--threads", kMaxThreads));
        else if (option == "--seer-nodes")
            options.plan.seerNodes = ParseSeerNodes(OptionValue(args, i));
        else if (option == "--csv")
            options.csvPath = OutputPath(option, OptionValue(args, i));
        else if (option == "--json")
            options.jsonPath = OutputPath(option, OptionValue(args, i));
        else if (option == "--svg")
            options.svgPath = OutputPath(option, OptionValue(args, i));
        else if (option == "--resume")
            options.resumePath = OutputPath(option, OptionValue(args, i));
        else if (option == "--records")
            options.recordsFolder = ExistingFolder(option, OptionValue(args, i));
        else if (option == "--pairs")
            options.plan.pairs = true;
        else if (option == "--sprt") {
            options.sprt = true;
            options.sprtSettings = ParseSprt(OptionValue(args, i));
            if (!gamesGiven) options.plan.gamesPerPairing = kSprtDefaultGames;
        } else if (option == "--games") {
            options.plan.gamesPerPairing =
                ParseCount(OptionValue(args, i), "--games", kMaxGamesPerPairing);
            gamesGiven = true;
        } else if (option == "--engine") {
            options.plan.engines.push_back(ParseEngine(OptionValue(args, i)));
        } else if (option == "--engine-time") {
            options.plan.engineMilliseconds =
                ParseCount(OptionValue(args, i), "--engine-time", kMaxEngineMilliseconds);
        } else
            throw TUsageError("Unknown option '" + option + "' for tournament.");
    }
    if (options.plan.engines.size() > kMaxEngines)
        throw TUsageError("At most " + std::to_string(kMaxEngines) + " engines may play.");
    for (std::size_t e = 0; e < options.plan.engines.size(); ++e)
        options.plan.profiles.push_back(kFirstEngineCode + static_cast<std::int32_t>(e));
    if (options.plan.profiles.size() < 2) {
        throw TUsageError(
            "--profiles needs two to eight different player codes from 2 to 9"
            " (such as 2357 or 2,3,5,7,9), or one with an --engine.");
    }
    if (options.sprt && options.plan.profiles.size() != 2)
        throw TUsageError("--sprt compares two profiles; give them with --profiles.");
    if (options.plan.GameCount() > kMaxTournamentGames) {
        throw TUsageError("The tournament would play " + std::to_string(options.plan.GameCount()) +
                          " games; at most " + std::to_string(kMaxTournamentGames) +
                          " are allowed.");
    }
    return options;
}

}  // namespace vaeloric::sim
