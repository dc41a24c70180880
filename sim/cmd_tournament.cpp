// SPDX-License-Identifier: GPL-3.0-or-later

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <iostream>

#include "flow/safe_file.h"
#include "sim/commands.h"
#include "sim/sim_support.h"
#include "sim/tournament/options.h"
#include "sim/tournament/progress.h"
#include "sim/tournament/progress_file.h"
#include "sim/tournament/result_files.h"
#include "sim/tournament/svg_chart.h"

namespace vaeloric::sim {

namespace {

// As a shell reports death by the signal: 130 for SIGINT, 143 for SIGTERM.
constexpr int kSignalStatusBase = 128;

std::atomic<bool> interrupted{false};
std::atomic<int> stopSignal{0};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");
static_assert(std::atomic<int>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int signal) {
    stopSignal.store(signal);
    interrupted.store(true);
}

// Ctrl+C, or SIGTERM as a service manager or `timeout` sends it, stops the
// tournament after the games under way; the results so far are still
// reported and written. The previous handlers are back when this goes.
class TInterruptGuard {
  public:
    TInterruptGuard()
        : previousInt_((interrupted = false, stopSignal = 0, std::signal(SIGINT, OnInterrupt))),
          previousTerm_(std::signal(SIGTERM, OnInterrupt)) {}
    ~TInterruptGuard() {
        std::signal(SIGTERM, previousTerm_);
        std::signal(SIGINT, previousInt_);
    }
    TInterruptGuard(const TInterruptGuard&) = delete;
    TInterruptGuard& operator=(const TInterruptGuard&) = delete;

  private:
    void (*previousInt_)(int);
    void (*previousTerm_)(int);
};

void WriteResultFile(const std::string& path, const std::string& contents, const char* what) {
    if (path.empty()) return;
    const TFileOutcome written = WriteFileSafely(path, contents);
    if (written != TFileOutcome::Done && written != TFileOutcome::Failed)
        throw TUsageError(WriteProblemSentence(path, written));
    if (written != TFileOutcome::Done)
        throw TUsageError(std::string("Cannot write the ") + what + " '" + path + "'.");
}

// The games an earlier run of this plan left in the progress file; none
// when there is no file yet.
std::vector<TPlayedGame> EarlierGames(const TTournamentOptions& options) {
    std::vector<TPlayedGame> games;
    std::error_code error;
    if (options.resumePath.empty() || !std::filesystem::exists(options.resumePath, error))
        return games;
    constexpr std::size_t kMaxProgressBytes = std::size_t{1} << 30;
    std::string text;
    const TFileOutcome read = ReadFileSafely(options.resumePath, kMaxProgressBytes + 1, text);
    if (read != TFileOutcome::Done || text.size() > kMaxProgressBytes ||
        !ReadProgressFile(options.plan, text, games)) {
        throw TUsageError("'" + options.resumePath +
                          "' is not the progress file of this tournament (the same options);"
                          " nothing was played.");
    }
    return games;
}

// A sequential test looks at the games in schedule order, so that it
// decides after the same game whatever order the threads finish in.
class TSequentialTest {
  public:
    TSequentialTest(const TTournamentOptions& options)
        : settings_(options.sprtSettings),
          pairs_(options.plan.pairs),
          tally_(options.plan.profiles[0], options.plan.profiles[1]),
          games_(static_cast<std::size_t>(options.sprt ? options.plan.GameCount() : 0)),
          seen_(games_.size(), 0) {}

    // Takes the games finished so far; true once the test has decided.
    bool Look(const std::vector<TPlayedGame>& finished) {
        for (; looked_ < finished.size(); ++looked_) {
            const TPlayedGame& played = finished[looked_];
            games_[static_cast<std::size_t>(played.game.index)] = played;
            seen_[static_cast<std::size_t>(played.game.index)] = 1;
        }
        while (decidedAfter_ < 0 && prefix_ < seen_.size() && seen_[prefix_] != 0) {
            tally_.Add(games_[prefix_++]);
            const TMatchCounts& counts = tally_.Counts();
            state_ =
                SprtState(settings_, pairs_ ? PentanomialSample(counts) : TrinomialSample(counts));
            if (state_.verdict != TSprtVerdict::Continue)
                decidedAfter_ = static_cast<long>(prefix_);
        }
        return decidedAfter_ >= 0;
    }
    long DecidedAfter() const { return decidedAfter_; }
    const TSprtState& State() const { return state_; }

  private:
    TSprtSettings settings_;
    bool pairs_;
    TMatchTally tally_;
    std::vector<TPlayedGame> games_;
    std::vector<unsigned char> seen_;
    std::size_t looked_ = 0, prefix_ = 0;
    long decidedAfter_ = -1;
    TSprtState state_;
};

}  // namespace

int RunTournament(const TArguments& args, std::string& out) {
    const TTournamentOptions options = ParseTournamentOptions(args);
    const std::pair<const std::string&, const char*> outputs[] = {
        {options.csvPath, "CSV file"},
        {options.jsonPath, "JSON file"},
        {options.svgPath, "chart"},
        {options.resumePath, "progress file"}};
    for (const auto& [path, what] : outputs) {
        CheckOutputTarget(path);
        RequireFolder(path, std::string("Cannot write the ") + what + " '" + path + "'.");
    }
    const long total = options.plan.GameCount();
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    TRunHooks hooks;
    hooks.alreadyPlayed = EarlierGames(options);
    hooks.recordsFolder = options.recordsFolder;
    TSequentialTest test(options);
    std::vector<TPlayedGame> latest;
    double lastWrite = 0;
    TFileOutcome progressWritten = TFileOutcome::Done;
    hooks.progress = [&](const std::vector<TPlayedGame>& finished, double seconds) {
        const bool fresh = finished.size() != latest.size();
        latest = finished;
        if (options.sprt && test.Look(finished)) interrupted = true;
        // Written about once a second: a stopped run loses only the games of
        // its last second, which the next run plays again alike.
        if (!options.resumePath.empty() && fresh && seconds - lastWrite >= 1.0 &&
            progressWritten == TFileOutcome::Done) {
            lastWrite = seconds;
            progressWritten =
                WriteFileSafely(options.resumePath, ProgressFileText(options.plan, finished));
            if (progressWritten != TFileOutcome::Done) interrupted = true;
        }
        if (!showProgress) return;
        std::cerr << "\r"
                  << ProgressLine(static_cast<long>(finished.size()), total, seconds,
                                  RunningRating(options.plan, finished))
                  << "\x1b[K" << std::flush;
    };
    TTournamentRun run;
    {
        const TInterruptGuard guard;
        run = PlayTournament(options.plan, options.threads, interrupted, hooks);
        if (showProgress) std::cerr << "\r\x1b[K" << std::flush;
    }
    if (!options.resumePath.empty() && progressWritten == TFileOutcome::Done)
        progressWritten =
            WriteFileSafely(options.resumePath, ProgressFileText(options.plan, latest));
    if (progressWritten != TFileOutcome::Done) {
        throw TUsageError(progressWritten == TFileOutcome::Failed
                              ? "Cannot write the progress file '" + options.resumePath + "'."
                              : WriteProblemSentence(options.resumePath, progressWritten));
    }
    const bool decided = options.sprt && test.DecidedAfter() >= 0;
    if (decided) {
        // Games the other threads finished after the deciding one are left out.
        std::erase_if(run.games, [&](const TPlayedGame& played) {
            return played.game.index >= test.DecidedAfter();
        });
        run.stopped = false;
        if (!options.recordsFolder.empty()) {
            for (const TPlayedGame& played : latest) {
                if (played.game.index < test.DecidedAfter()) continue;
                std::error_code error;
                std::filesystem::remove(
                    std::filesystem::path(options.recordsFolder) /
                        ("game-" + std::to_string(played.game.index + 1) + ".vrec"),
                    error);
            }
        }
    }
    TTournamentReport report = MakeReport(options.plan, std::move(run), options.threads);
    if (options.sprt) {
        report.sprt = true;
        report.sprtSettings = options.sprtSettings;
        report.sprtState = test.State();
    }
    WriteResultFile(options.csvPath, ResultsCsv(report), "CSV file");
    WriteResultFile(options.jsonPath, ResultsJson(report), "JSON file");
    WriteResultFile(options.svgPath, RatingChartSvg(report), "chart");
    out += ReportText(report);
    if (!report.run.stopped) return 0;
    return kSignalStatusBase + (stopSignal.load() != 0 ? stopSignal.load() : SIGINT);
}

}  // namespace vaeloric::sim
