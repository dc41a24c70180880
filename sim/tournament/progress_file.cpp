// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/progress_file.h"

#include <algorithm>
#include <sstream>

#include "sim/tournament/result_files.h"

namespace vaeloric::sim {

namespace {

constexpr const char* kFirstLine = "vaeloric-sim tournament progress 1";

// Each engine's name and command, and its time; nothing without engines,
// so that files of runs without them read alike.
std::string EngineWords(const TTournamentPlan& plan) {
    if (plan.engines.empty()) return "";
    std::string words = " engine-time=" + std::to_string(plan.engineMilliseconds);
    for (const TOutsideEngine& engine : plan.engines)
        words += " engine=" + engine.name + "=" + engine.command;
    return words;
}

std::string PlanLine(const TTournamentPlan& plan) {
    std::string profiles;
    for (std::int32_t code : plan.profiles)
        if (!plan.IsEngine(code)) profiles += static_cast<char>('0' + code);
    return "profiles=" + profiles + " boards=" + plan.boards +
           " games=" + std::to_string(plan.gamesPerPairing) +
           " turns=" + std::to_string(plan.turnLimit) + " seed=" + std::to_string(plan.baseSeed) +
           " seer-nodes=" + std::to_string(plan.seerNodes) + " pairs=" + (plan.pairs ? "1" : "0") +
           EngineWords(plan);
}

}  // namespace

std::string ProgressFileText(const TTournamentPlan& plan, std::vector<TPlayedGame> games) {
    std::sort(games.begin(), games.end(), [](const TPlayedGame& a, const TPlayedGame& b) {
        return a.game.index < b.game.index;
    });
    std::string text = std::string(kFirstLine) + "\n" + PlanLine(plan) + "\n";
    for (const TPlayedGame& played : games) text += GameCsvFields(played) + "\n";
    return text;
}

bool ReadProgressFile(const TTournamentPlan& plan, const std::string& text,
                      std::vector<TPlayedGame>& games) {
    games.clear();
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kFirstLine) return false;
    if (!std::getline(in, line) || line != PlanLine(plan)) return false;
    const long total = plan.GameCount();
    std::vector<unsigned char> seen(static_cast<std::size_t>(total), 0);
    while (std::getline(in, line)) {
        // The game number is all the line needs; the rest must be what the
        // plan says of that game, with a turn count and a result.
        const std::size_t comma = line.find(',');
        const std::string number = line.substr(0, comma);
        if (comma == std::string::npos || number.empty() || number.size() > 9 ||
            number.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const long index = std::stol(number) - 1;
        if (index < 0 || index >= total || seen[static_cast<std::size_t>(index)] != 0) return false;
        seen[static_cast<std::size_t>(index)] = 1;
        bool matched = false;
        TPlayedGame played;
        played.game = ScheduledGame(plan, index);
        for (TGameResult result : {TGameResult::Win, TGameResult::Lose, TGameResult::Unfinished}) {
            played.result = result;
            const std::string expected = GameCsvFields(played);
            // Everything up to the turns, then the turns, then the result.
            const std::size_t turnsAt = expected.rfind(',', expected.rfind(',') - 1) + 1;
            const std::string tail = std::string(",") + ResultWord(result);
            if (line.size() <= turnsAt + tail.size() ||
                line.compare(0, turnsAt, expected, 0, turnsAt) != 0 ||
                line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
                continue;
            const std::string turns = line.substr(turnsAt, line.size() - tail.size() - turnsAt);
            if (turns.empty() || turns.size() > 6 ||
                turns.find_first_not_of("0123456789") != std::string::npos)
                return false;
            played.turns = std::stol(turns);
            if (played.turns > plan.turnLimit) return false;
            matched = true;
            break;
        }
        if (!matched) return false;
        games.push_back(played);
    }
    return true;
}

}  // namespace vaeloric::sim
