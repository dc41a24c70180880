// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/runner.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "flow/game_record.h"
#include "flow/saved_game.h"
#include "flow/seats.h"
#include "game/legal_moves.h"
#include "sim/remote_seats.h"
#include "sim/sim_support.h"
#include "sim/tournament/engine_process.h"

namespace vaeloric::sim {

namespace {

// The armies of an outside engine in one game: each move is asked of the
// engine with the position as a saved game. An engine that answers late,
// not at all or with a move that is not legal for the throw loses the game
// there, and is killed, to be started afresh for its next game.
class TEngineSeats : public TRemoteSeats {
  public:
    TEngineSeats(const TTournamentPlan& plan, const TScheduledGame& scheduled, TGame& game,
                 std::map<std::int32_t, std::unique_ptr<TEngineProcess>>& processes)
        : plan_(plan), scheduled_(scheduled), game_(game), processes_(processes) {}

    TSeat* SeatOf(std::int32_t army) override { return EngineOf(army) != 0 ? &seat_ : nullptr; }
    // Asks the engine for its move on the pending throw; true once the move
    // is made or the engine has lost the game.
    bool Move(TTurnCycle& cycle, long turn, std::int32_t army) {
        const TDieFace face = game_.turn.throwValue;
        const std::int32_t code = EngineOf(army);
        std::unique_ptr<TEngineProcess>& process = processes_[code];
        if (!process) process = std::make_unique<TEngineProcess>(plan_.Engine(code).command);
        const int limit = static_cast<int>(plan_.engineMilliseconds);
        std::string why, line;
        if (!process->Running() && !process->Start(std::max(2 * limit, 1000), why))
            return Forfeit(code, turn, why, *process);
        const std::string position = FormatSavedGame(game_.setUp.boardLetter, game_.board,
                                                     game_.setUp, game_.turn, game_.reading);
        if (!process->Send("position\n" + position + "end\ngo face " +
                           std::to_string(static_cast<int>(face)) + " movetime " +
                           std::to_string(limit) + "\n"))
            return Forfeit(code, turn, "it is gone", *process);
        if (!process->Await("bestmove", limit, line, why))
            return Forfeit(code, turn, why, *process);
        const std::string move = line.substr(std::min(line.size(), std::size_t{9}));
        TLegalMoveList legal;
        ListLegalMoves(game_.board, army, face, legal);
        for (const TLegalMove& candidate : legal) {
            if (MoveText(candidate.from.Square(), candidate.to.Square()) != move) continue;
            SquareRecord destination = candidate.to;
            if (cycle.HumanMove(candidate.from.Square(), destination) == TDropResult::Moved)
                return true;
            break;
        }
        return Forfeit(code, turn, "answered '" + line.substr(0, 60) + "', not a legal move",
                       *process);
    }
    void Played(long, std::int32_t, TDieFace, bool, TSquare, TSquare) override {}

    const std::string& Note() const { return note_; }

  private:
    class TEngineSeat final : public TSeat {
      public:
        explicit TEngineSeat(TEngineSeats& seats) : seats_(seats) {}
        TSeatKind Kind() const override { return TSeatKind::Remote; }
        void AwaitThrow(long, std::int32_t) override {}
        bool Move(TTurnCycle& cycle, long turn, std::int32_t army) override {
            return seats_.Move(cycle, turn, army);
        }

      private:
        TEngineSeats& seats_;
    };

    // The engine's code when it plays the army, else 0.
    std::int32_t EngineOf(std::int32_t army) const {
        // Seats 1 and 3 are the Questioner's side.
        const TSeatArmies seats = SeatArmies(game_.setUp);
        const bool questionerSide = army == seats.army[1] || army == seats.army[3];
        const std::int32_t code = questionerSide ? scheduled_.questionerSide : scheduled_.otherSide;
        return plan_.IsEngine(code) ? code : 0;
    }
    bool Forfeit(std::int32_t code, long turn, const std::string& why, TEngineProcess& process) {
        process.Kill();
        note_ = "game " + std::to_string(scheduled_.index + 1) + ", turn " + std::to_string(turn) +
                ": " + plan_.Engine(code).name + " " + why + "; it loses the game";
        game_.result = code == scheduled_.questionerSide ? TGameResult::Lose : TGameResult::Win;
        return true;
    }

    const TTournamentPlan& plan_;
    const TScheduledGame& scheduled_;
    TGame& game_;
    std::map<std::int32_t, std::unique_ptr<TEngineProcess>>& processes_;
    std::string note_;
    TEngineSeat seat_{*this};
};

}  // namespace

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
            std::map<std::int32_t, std::unique_ptr<TEngineProcess>> engines;  // this thread's
            const auto ignore = [](const std::string&) {};
            while (!stop.load(std::memory_order_relaxed) && !failed.load()) {
                const long index = next.fetch_add(1);
                if (index >= total) break;
                if (played[static_cast<std::size_t>(index)] != 0) continue;
                TPlayedGame slot;
                slot.game = ScheduledGame(plan, index);
                const TGameOptions options = GameOptionsOf(plan, slot.game);
                TEngineSeats seats(plan, slot.game, *game, engines);
                const bool withEngine =
                    plan.IsEngine(slot.game.questionerSide) || plan.IsEngine(slot.game.otherSide);
                TRemoteSeats* remote = withEngine ? &seats : nullptr;
                if (hooks.recordsFolder.empty()) {
                    PlayGame(options, *game, ignore, nullptr, remote);
                } else {
                    TGameRecord record;
                    PlayGame(options, *game, ignore, &record, remote);
                    const auto path = std::filesystem::path(hooks.recordsFolder) /
                                      ("game-" + std::to_string(index + 1) + ".vrec");
                    if (!WriteRecordFile(path.string(), record))
                        throw TUsageError("Cannot write the game record '" + path.string() + "'.");
                }
                slot.result = game->result;
                slot.turns = game->turns;
                slot.note = seats.Note();
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
