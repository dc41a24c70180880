// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/launcher_files.h"

#include <atomic>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "flow/analysis_file.h"
#include "flow/game_record.h"
#include "flow/running_game.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"

#ifdef _WIN32
#include <process.h>
#else
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace vaeloric {

namespace {

long ProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<long>(getpid());
#endif
}

std::string HostName() {
#ifdef _WIN32
    return "windows";
#else
    char name[256] = {};
    gethostname(name, sizeof name - 1);
    return name;
#endif
}

// When the process started, in clock ticks since boot, so that a process id
// used again by another program is told apart. Empty where unknown.
std::string StartTime(long process) {
    std::string stat;
    if (ReadFileSafely("/proc/" + std::to_string(process) + "/stat", 4096, stat) !=
        TFileOutcome::Done)
        return {};
    // The name in brackets may hold blanks; the fields count from after it.
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos) return {};
    std::istringstream fields(stat.substr(close + 1));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22) return field;
    return {};
}

}  // namespace

std::string FreshAnalysisPath(const std::string& stamp) {
    const std::string folder = AnalysisFolder();
    if (folder.empty()) return {};
    static std::atomic<int> counter{0};
    return folder + "/games/answer-" + stamp + "-" + std::to_string(ProcessId()) + "-" +
           std::to_string(++counter) + ".txt";
}

std::string RecordPathBeside(const std::string& analysisPath) {
    return RecordBesideSavedGame(analysisPath);
}

std::string ThisLauncher() {
    return HostName() + " " + std::to_string(ProcessId()) + " " + StartTime(ProcessId());
}

bool LauncherGone(const std::string& owner) {
    std::istringstream fields(owner);
    std::string host, start;
    long process = 0;
    if (!(fields >> host >> process) || process <= 0) return true;
    fields >> start;
    if (host != HostName()) return false;
#ifdef _WIN32
    return process != ProcessId();
#else
    if (kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH) return true;
    return !start.empty() && StartTime(process) != start;
#endif
}

bool RecoverAbandoned(TJournalEntry& entry) {
    if (entry.outcome != TOutcome::InProgress || !LauncherGone(entry.owner)) return false;
    entry.outcome = TOutcome::Failed;
    entry.note = kAbandonedNote;
    entry.owner.clear();
    return true;
}

bool MarkInterrupted(TJournalEntry& entry, const std::string& keptGame) {
    TKeptGame kept;
    if (keptGame.empty() || !ReadKeptGame(keptGame, kAnyBoard, kept)) return false;
    entry.outcome = TOutcome::Interrupted;
    entry.note = kInterruptedNote;
    entry.savedGame = keptGame;
    entry.owner.clear();
    return true;
}

std::string KeptGameOf(long long processId) {
    if (processId <= 0) return {};
    for (const char letter : {'F', 'E', 'A', 'W'}) {
        const std::string path = RunningGameFile(letter, processId);
        std::error_code ignored;
        if (std::filesystem::is_regular_file(path, ignored)) return path;
    }
    return {};
}

const TJournalEntry* InterruptedEntryOf(const std::vector<TJournalEntry>& entries,
                                        const std::string& path) {
    const auto same = [](const std::string& a, const std::string& b) {
        std::error_code ignored;
        return std::filesystem::weakly_canonical(a, ignored) ==
               std::filesystem::weakly_canonical(b, ignored);
    };
    for (const TJournalEntry& entry : entries)
        if (entry.outcome == TOutcome::Interrupted && !entry.savedGame.empty() &&
            same(entry.savedGame, path))
            return &entry;
    return nullptr;
}

}  // namespace vaeloric
