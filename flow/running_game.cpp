// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/running_game.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "flow/flow_services.h"
#include "flow/game_record.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "flow/setup_record.h"

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

namespace {

// After the board, where every reader stops looking: the turn the game goes
// on with, kept in the same file as the game so that the two never part.
constexpr std::string_view kTurnHeading = "[TURN]\r\n";

}  // namespace

bool KeepRunningGame(const TGameSession& game, long nextTurn) {
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
    text += kTurnHeading;
    text += std::to_string(nextTurn) + "\r\n";
    return SafeWriteFile(game.runningPath, text);
}

std::string RunningRecordFile(const std::string& runningPath) {
    return runningPath.empty() ? std::string() : RecordBesideSavedGame(runningPath);
}

std::string RunningHostFile(const std::string& runningPath) {
    if (runningPath.empty()) return {};
    return std::filesystem::path(runningPath).replace_extension(".host").string();
}

bool TakeOverRunningGame(const std::string& from, const std::string& to) {
    // Both in the running games' folder: renamed, never copied. The record
    // goes first; a game whose record was not moved goes on with a new one.
    std::error_code error;
    std::filesystem::rename(RunningRecordFile(from), RunningRecordFile(to), error);
    std::filesystem::rename(RunningHostFile(from), RunningHostFile(to), error);
    std::filesystem::rename(from, to, error);
    return !error;
}

void ForgetRunningGame(const std::string& path) {
    if (path.empty()) return;
    std::error_code ignored;  // a file that is already gone is forgotten too
    std::filesystem::remove(path, ignored);
    std::filesystem::remove(RunningRecordFile(path), ignored);
    std::filesystem::remove(RunningHostFile(path), ignored);
}

long KeptTurn(std::string_view savedGame) {
    const std::size_t heading = savedGame.rfind(kTurnHeading);
    if (heading == std::string_view::npos) return 0;
    const std::string_view digits = savedGame.substr(heading + kTurnHeading.size());
    long number = 0;
    const auto [next, error] =
        std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc{} || number <= 0 ||
        !digits.substr(static_cast<std::size_t>(next - digits.data())).starts_with("\r\n"))
        return 0;
    return number;
}

bool ReadKeptGame(const std::string& path, char boardLetter, TKeptGame& kept) {
    std::string bytes;
    if (ReadFileSafely(path, kMaxSavedGameBytes, bytes) != TFileOutcome::Done) return false;
    TSavedGame saved;
    if (!ParseSavedGame(bytes, boardLetter, saved).Loaded()) return false;
    kept.question = saved.setUp.Question();
    if (kept.question.empty()) kept.question = "(no question)";
    kept.boardLetter = saved.setUp.boardLetter;
    kept.turn = KeptTurn(bytes);
    return true;
}

std::string InterruptedGameOffer(const TKeptGame& kept) {
    std::string offer = "Continue the interrupted game: " + kept.question + ", " +
                        BoardName(kept.boardLetter) + "board";
    if (kept.turn > 0) offer += ", turn " + std::to_string(kept.turn);
    return offer;
}

}  // namespace vaeloric
