// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/runner.h"

#include <chrono>
#include <exception>
#include <memory>
#include <mutex>
#include <thread>

namespace vaeloric::sim {

TTournamentRun PlayTournament(const TTournamentPlan& plan, int threads,
                              const std::atomic<bool>& stop,
                              const std::function<void(long done, double seconds)>& progress) {
    const long total = plan.GameCount();
    std::vector<TPlayedGame> slots(static_cast<std::size_t>(total));
    std::vector<unsigned char> played(static_cast<std::size_t>(total), 0);
    std::atomic<long> next{0}, done{0};
    std::atomic<int> running{threads};
    std::exception_ptr failure;
    std::mutex failureMutex;
    std::atomic<bool> failed{false};

    auto work = [&] {
        try {
            auto game = std::make_unique<TGame>();
            const auto ignore = [](const std::string&) {};
            while (!stop.load(std::memory_order_relaxed) && !failed.load()) {
                const long index = next.fetch_add(1);
                if (index >= total) break;
                TPlayedGame& slot = slots[static_cast<std::size_t>(index)];
                slot.game = ScheduledGame(plan, index);
                PlayGame(GameOptionsOf(slot.game, plan.turnLimit, plan.seerNodes), *game, ignore);
                slot.result = game->result;
                slot.turns = game->turns;
                played[static_cast<std::size_t>(index)] = 1;
                done.fetch_add(1);
            }
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureMutex);
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
        if (progress && elapsed() - shown >= 0.2) {
            shown = elapsed();
            progress(done.load(), shown);
        }
    }
    for (std::thread& worker : workers) worker.join();
    if (failure) std::rethrow_exception(failure);

    TTournamentRun run;
    run.seconds = elapsed();
    for (long i = 0; i < total; ++i)
        if (played[static_cast<std::size_t>(i)] != 0)
            run.games.push_back(slots[static_cast<std::size_t>(i)]);
    run.stopped = static_cast<long>(run.games.size()) < total;
    return run;
}

}  // namespace vaeloric::sim
