// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/runner.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>

#include "flow/game_record.h"

namespace vaeloric::sim {

TTournamentRun PlayTournament(const TTournamentPlan& plan, int threads,
                              const std::atomic<bool>& stop,
                              const std::function<void(long done, double seconds)>& progress) {
    TRunHooks hooks;
    if (progress) {
        hooks.progress = [&](const std::vector<TPlayedGame>& finished, double seconds) {
            progress(static_cast<long>(finished.size()), seconds);
        };
    }
    return PlayTournament(plan, threads, stop, hooks);
}

TTournamentRun PlayTournament(const TTournamentPlan& plan, int threads,
                              const std::atomic<bool>& stop, const TRunHooks& hooks) {
    const long total = plan.GameCount();
    std::vector<unsigned char> played(static_cast<std::size_t>(total), 0);
    std::vector<TPlayedGame> finished;
    for (const TPlayedGame& earlier : hooks.alreadyPlayed) {
        if (earlier.game.index < 0 || earlier.game.index >= total) continue;
        if (played[static_cast<std::size_t>(earlier.game.index)] != 0) continue;
        played[static_cast<std::size_t>(earlier.game.index)] = 1;
        finished.push_back(earlier);
    }
    std::atomic<long> next{0};
    std::atomic<int> running{threads};
    std::exception_ptr failure;
    std::mutex mutex;  // guards `finished` and `failure`
    std::atomic<bool> failed{false};

    auto work = [&] {
        try {
            auto game = std::make_unique<TGame>();
            const auto ignore = [](const std::string&) {};
            while (!stop.load(std::memory_order_relaxed) && !failed.load()) {
                const long index = next.fetch_add(1);
                if (index >= total) break;
                if (played[static_cast<std::size_t>(index)] != 0) continue;
                TPlayedGame slot;
                slot.game = ScheduledGame(plan, index);
                const TGameOptions options =
                    GameOptionsOf(slot.game, plan.turnLimit, plan.seerNodes);
                if (hooks.recordsFolder.empty()) {
                    PlayGame(options, *game, ignore);
                } else {
                    TGameRecord record;
                    PlayGame(options, *game, ignore, &record);
                    const auto path = std::filesystem::path(hooks.recordsFolder) /
                                      ("game-" + std::to_string(index + 1) + ".vrec");
                    if (!WriteRecordFile(path.string(), record))
                        throw std::runtime_error("Cannot write the game record '" + path.string() +
                                                 "'.");
                }
                slot.result = game->result;
                slot.turns = game->turns;
                const std::lock_guard<std::mutex> lock(mutex);
                finished.push_back(slot);
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(mutex);
            if (!failure) failure = std::current_exception();
            failed = true;
        }
        running.fetch_sub(1);
    };

    const auto start = std::chrono::steady_clock::now();
    const auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    std::vector<std::thread> workers;
    for (int i = 0; i < threads; ++i) workers.emplace_back(work);
    double shown = 0;
    while (running.load() > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (hooks.progress && elapsed() - shown >= 0.2) {
            shown = elapsed();
            const std::lock_guard<std::mutex> lock(mutex);
            hooks.progress(finished, shown);
        }
    }
    for (std::thread& worker : workers) worker.join();
    if (failure) std::rethrow_exception(failure);
    if (hooks.progress) hooks.progress(finished, elapsed());

    TTournamentRun run;
    run.seconds = elapsed();
    run.games = std::move(finished);
    std::sort(run.games.begin(), run.games.end(), [](const TPlayedGame& a, const TPlayedGame& b) {
        return a.game.index < b.game.index;
    });
    run.stopped = static_cast<long>(run.games.size()) < total;
    return run;
}

}  // namespace vaeloric::sim
