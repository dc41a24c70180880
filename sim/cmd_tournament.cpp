// SPDX-License-Identifier: GPL-3.0-or-later

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <iostream>

#include "flow/safe_file.h"
#include "sim/commands.h"
#include "sim/sim_support.h"
#include "sim/tournament/options.h"
#include "sim/tournament/progress.h"
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

}  // namespace

int RunTournament(const TArguments& args, std::string& out) {
    const TTournamentOptions options = ParseTournamentOptions(args);
    const std::pair<const std::string&, const char*> outputs[] = {
        {options.csvPath, "CSV file"}, {options.jsonPath, "JSON file"}, {options.svgPath, "chart"}};
    for (const auto& [path, what] : outputs) {
        CheckOutputTarget(path);
        RequireFolder(path, std::string("Cannot write the ") + what + " '" + path + "'.");
    }
    const long total = options.plan.GameCount();
    const bool showProgress = isatty(STDERR_FILENO) != 0;
    TTournamentRun run;
    {
        const TInterruptGuard guard;
        run = PlayTournament(
            options.plan, options.threads, interrupted, [&](long done, double seconds) {
                if (!showProgress) return;
                std::cerr << "\r" << ProgressLine(done, total, seconds) << "\x1b[K" << std::flush;
            });
        if (showProgress) std::cerr << "\r\x1b[K" << std::flush;
    }
    const TTournamentReport report = MakeReport(options.plan, std::move(run), options.threads);
    WriteResultFile(options.csvPath, ResultsCsv(report), "CSV file");
    WriteResultFile(options.jsonPath, ResultsJson(report), "JSON file");
    WriteResultFile(options.svgPath, RatingChartSvg(report), "chart");
    out += ReportText(report);
    if (!report.run.stopped) return 0;
    return kSignalStatusBase + (stopSignal.load() != 0 ? stopSignal.load() : SIGINT);
}

}  // namespace vaeloric::sim
