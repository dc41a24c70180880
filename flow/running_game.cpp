// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/running_game.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "flow/flow_services.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"

namespace vaeloric {

std::string RunningGamesFolder() {
    // The same folder for a board started by the launcher (which moves the
    // analysis file) and for one started alone.
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr ? std::string(value) : std::string();
    };
#ifdef _WIN32
    const std::string local = variable("LOCALAPPDATA");
    const std::filesystem::path base = local.empty() ? std::filesystem::path("C:/vaeloric")
                                                     : std::filesystem::path(local) / "vaeloric";
#else
    std::filesystem::path state = variable("XDG_STATE_HOME");
    if (!state.is_absolute()) state = std::filesystem::path(variable("HOME")) / ".local" / "state";
    const std::filesystem::path base = state / "vaeloric";
#endif
    return (base / "running").string();
}

std::string RunningGameFile(char boardLetter, long long processId) {
    return (std::filesystem::path(RunningGamesFolder()) /
            (std::string(1, boardLetter) + "-" + std::to_string(processId) + ".vae"))
        .string();
}

bool KeepRunningGame(const TGameSession& game) {
    if (game.runningPath.empty()) return true;
    std::string text =
        FormatSavedGame(game.boardLetter, game.board, game.setup, game.turn, game.reading);
    // A saved game rounds the network's state to six digits, and a game
    // continued from rounded values reads its later moves a little
    // differently. The running file keeps every activation exactly (the
    // shortest text that reads back as the same float), still a saved game
    // that any reader takes.
    const std::string heading = "[ANALYSIS]\r\n";
    std::size_t begin = text.find(heading);
    if (begin != std::string::npos) {
        begin += heading.size();
        std::size_t end = begin;
        std::string exact;
        for (const float activation : game.reading.gameActivation) {
            char digits[32];
            const auto written = std::to_chars(digits, digits + sizeof digits, activation);
            exact.append(digits, written.ptr);
            exact += "\r\n";
            end = text.find("\r\n", end);
            if (end == std::string::npos) return false;
            end += 2;
        }
        text.replace(begin, end - begin, exact);
    }
    return SafeWriteFile(game.runningPath, text);
}

void ForgetRunningGame(const std::string& path) {
    if (path.empty()) return;
    std::error_code ignored;  // a file that is already gone is forgotten too
    std::filesystem::remove(path, ignored);
}

std::string InterruptedGameQuestion(const std::string& path, char boardLetter) {
    std::string bytes;
    if (ReadFileSafely(path, kMaxSavedGameBytes, bytes) != TFileOutcome::Done) return {};
    TSavedGame saved;
    if (!ParseSavedGame(bytes, boardLetter, saved).Loaded()) return {};
    const std::string question = saved.setUp.Question();
    return question.empty() ? std::string("(no question)") : question;
}

}  // namespace vaeloric
