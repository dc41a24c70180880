// SPDX-License-Identifier: GPL-3.0-or-later

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <random>
#include <set>
#include <utility>

#include "flow/saved_game.h"
#include "flow/seats.h"
#include "flow/turn_cycle.h"
#include "game/square.h"
#include "net/event_loop.h"
#include "net/transport.h"
#include "players/computer_move.h"
#include "sim/commands.h"
#include "sim/game_runner.h"
#include "sim/play_options.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

namespace {

constexpr long kMaxWaitSeconds = 3600;
constexpr int kMaxHeldBack = 120;  // milliseconds a frame is held back, under --jitter
// How long a guest that heard the end waits for the host to let it go.
constexpr int kLetGoMilliseconds = 2000;
constexpr const char* kReconnecting = "Connection lost \u2014 reconnecting\u2026";

// The guest's own copy of the game follows the host's turns through the
// same turn cycle; it shows nothing.
class TQuietTurns : public TTurnEvents {
  public:
    void MissedGo(TMissGo) override {}
    void Moved(TSquare, TSquare, bool) override {}
    void ShowReading(const std::string&, const std::string&) override {}
    TReadingSwitches Switches() const override { return TReadingSwitches{false, false}; }
    void TurnEnded(const TEndOfGameDecision&) override {}
};

// Moments at which a test cuts the guest's own line, to see the game go on:
// also on hearing the end, before saying so, to come back for it.
enum class TCutMoment { Throw, Drop, Turn, End };
struct TFaults {
    std::set<std::pair<long, TCutMoment>> cuts;  // from a turn on, at a moment
    // Frames both ways are held back a random while, so that they overtake
    // one another, and every request is sent a second time, late.
    std::optional<unsigned> jitterSeed;
};

// A headless guest: its computer player moves for its army, and it prints
// every turn as the host played it, as play prints them. Frames that come
// out of order wait for their turn; turns already followed are not followed
// again.
class TJoinedGame {
  public:
    TJoinedGame(std::string& out, const TFaults& faults) : out_(out), faults_(faults) {
        if (faults_.jitterSeed) jitter_.seed(*faults_.jitterSeed);
    }

    // A new connection to the host.
    void Attach(net::TGuestTransport* transport) {
        transport_ = transport;
        lost_ = seatedNow_ = cutHere_ = false;
        closedWith_.clear();
        if (transport == nullptr) return;
        transport->onMessage = [this, generation = ++generation_](const net::THostMessage& m) {
            Later([this, m, generation] {
                if (generation == generation_) Heard(m);
            });
        };
        // Frames held back are heard before the end of their line.
        transport->onClosed = [this, generation = generation_](const std::string& sentence) {
            Later(
                [this, sentence, generation] {
                    if (generation != generation_) return;
                    if (over_) {
                        letGo_ = true;
                        return;
                    }
                    lost_ = true;
                    closedWith_ = sentence;
                },
                kMaxHeldBack + 10);
        };
    }
    bool Done() const { return over_ || !problem_.empty(); }
    // The game is over and the host has let this guest go.
    bool LetGo() const { return letGo_; }
    bool Lost() const { return lost_; }
    // The line was lost, not refused: the invitation may take the seat again.
    bool MayRejoin() const {
        return cutHere_ || (transport_ != nullptr && transport_->Rejoinable());
    }
    bool WasSeated() const { return seatedNow_; }
    bool EverSeated() const { return welcomed_; }
    bool Refused() const { return closedWith_.rfind("The host refused the connection:", 0) == 0; }
    const std::string& ClosedWith() const { return closedWith_; }
    const std::string& Problem() const { return problem_; }

  private:
    void Later(std::function<void()> what, int delay = -1) {
        if (!faults_.jitterSeed) return what();
        if (delay < 0) delay = static_cast<int>(jitter_() % kMaxHeldBack);
        net::RunLater(delay, std::move(what));
    }
    void Send(const net::TGuestMessage& message) {
        if (transport_ == nullptr) return;
        if (!faults_.jitterSeed) return transport_->Send(message);
        const unsigned generation = generation_;
        const int first = static_cast<int>(jitter_() % kMaxHeldBack);
        const int repeat = first + 100 + static_cast<int>(jitter_() % 200);
        for (const int delay : {first, repeat})
            net::RunLater(delay, [this, message, generation] {
                if (generation == generation_ && transport_ != nullptr) transport_->Send(message);
            });
    }
    // Cuts the line at the first such moment on or after a turn asked for.
    bool Cut(long turn, TCutMoment moment) {
        if (transport_ == nullptr) return false;
        for (auto cut = faults_.cuts.begin(); cut != faults_.cuts.end(); ++cut) {
            if (cut->first > turn || cut->second != moment) continue;
            faults_.cuts.erase(cut);
            cutHere_ = lost_ = true;
            closedWith_ = "The line was cut.";
            transport_->Close();
            return true;
        }
        return false;
    }

    void Heard(const net::THostMessage& message) {
        if (const auto* welcome = std::get_if<net::TWelcome>(&message)) {
            seatedNow_ = true;
            if (welcomed_) {
                // Back after a lost line: the copy goes on where it was. The
                // host keeps each turn before it tells it, so it is never
                // behind the copy; a welcome that comes after later turns was
                // only overtaken by them.
                if (welcome->army != army_)
                    return Fail("The host's game is not the one this guest follows.");
                return Advance();
            }
            TSavedGame saved;
            if (!ParseSavedGame(welcome->game, kAnyBoard, saved).Loaded())
                return Fail("The host's game cannot be read.");
            CommitSavedGame(saved, game_.board, game_.setUp, game_.turn, game_.reading);
            game_.board.SetPlayerCode(SeatArmies(game_.setUp).army[1], welcome->questioner);
            welcomed_ = true;
            army_ = welcome->army;
            nextTurn_ = welcome->turn;
            Advance();
        } else if (const auto* prompt = std::get_if<net::TPrompt>(&message)) {
            if (prompt->army != army_ && welcomed_) return;
            prompt_ = *prompt;
            Advance();
        } else if (const auto* played = std::get_if<net::TTurnPlayed>(&message)) {
            if (welcomed_ && played->turn < nextTurn_) return;  // followed already
            if (Cut(played->turn, TCutMoment::Turn)) return;
            waiting_[played->turn] = *played;
            Advance();
        } else if (const auto* over = std::get_if<net::TGameOver>(&message)) {
            gameOver_ = *over;
            Advance();
        }
    }

    // Follows the turns that are due, then answers the prompt of the next.
    void Advance() {
        if (!welcomed_) return;
        waiting_.erase(waiting_.begin(), waiting_.lower_bound(nextTurn_));
        while (problem_.empty() && !waiting_.empty() && waiting_.begin()->first == nextTurn_) {
            const net::TTurnPlayed played = waiting_.begin()->second;
            waiting_.erase(waiting_.begin());
            Follow(played);
        }
        // The end is heard once every turn before it has been followed; the
        // host hears that it was, and lets the guest go.
        if (problem_.empty() && gameOver_ && nextTurn_ > gameOver_->turns && !over_) {
            const net::TGameOver over = *gameOver_;
            gameOver_.reset();  // a guest cut off here hears it again
            if (Cut(over.turns, TCutMoment::End)) return;
            out_ += "result: " + over.result + "\n";
            over_ = true;
            Send(net::TEndHeard{over.turns});
            return;
        }
        if (!problem_.empty() || !prompt_ || prompt_->turn != nextTurn_ || prompt_->army != army_)
            return;
        const net::TPrompt prompt = *prompt_;
        prompt_.reset();
        if (prompt.face == 0) {
            if (Cut(prompt.turn, TCutMoment::Throw)) return;
            return Send(net::TThrowRequest{prompt.turn, 0});
        }
        TBoard trial = game_.board;
        SquareRecord destination, origin;
        if (!ChooseComputerMove(trial, static_cast<TDieFace>(prompt.face), army_, destination,
                                origin))
            return;
        Send(net::TDropRequest{prompt.turn, origin.Square(), destination.Square()});
        Cut(prompt.turn, TCutMoment::Drop);
    }

    // Plays the host's turn on the copy; a turn that the rules refuse here
    // means the copies differ.
    void Follow(const net::TTurnPlayed& played) {
        if (played.army != game_.board.armyToMove)
            return Fail("The host's turn " + std::to_string(played.turn) +
                        " does not follow this game.");
        TTurnCycle cycle(game_.board, game_.turn, game_.reading, quiet_);
        cycle.Throw(static_cast<TDieFace>(played.face));
        const bool missed = game_.turn.throwValue == 0;
        std::string line = std::to_string(played.turn) + " " + ColourName(played.army) + " " +
                           std::to_string(played.face) + " ";
        if (missed != played.missed)
            return Fail("The host's turn " + std::to_string(played.turn) +
                        " does not follow this game.");
        if (missed) {
            line += "miss";
        } else {
            // Every army is a computer's: the copy replays its thinking too
            // (its trial moves touch piece values), and must reach the same move.
            if (!cycle.MoveBySeat(played.turn) || !SquaresEqual(game_.turn.moveFrom, played.from) ||
                !SquaresEqual(game_.turn.moveTo, played.to))
                return Fail("The host's turn " + std::to_string(played.turn) +
                            " does not follow this game.");
            line += MoveText(played.from, played.to);
        }
        out_ += line + "\n";
        ++nextTurn_;
    }
    void Fail(const std::string& sentence) {
        if (problem_.empty()) problem_ = sentence;
        if (transport_ != nullptr) transport_->Close();
    }

    net::TGuestTransport* transport_ = nullptr;
    std::string& out_;
    TFaults faults_;
    std::minstd_rand jitter_;
    unsigned generation_ = 0;
    TGame game_;
    TQuietTurns quiet_;
    bool welcomed_ = false, over_ = false, lost_ = false, seatedNow_ = false, cutHere_ = false,
         letGo_ = false;
    std::int32_t army_ = 0;
    long nextTurn_ = 1;
    std::map<long, net::TTurnPlayed> waiting_;
    std::optional<net::TPrompt> prompt_;
    std::optional<net::TGameOver> gameOver_;
    std::string closedWith_, problem_;
};

TCutMoment CutMoment(const std::string& value) {
    const std::size_t colon = value.find(':');
    const std::string moment = colon == std::string::npos ? "" : value.substr(colon + 1);
    if (moment == "throw") return TCutMoment::Throw;
    if (moment == "drop") return TCutMoment::Drop;
    if (moment == "turn") return TCutMoment::Turn;
    if (moment == "end") return TCutMoment::End;
    throw TUsageError("--cut-line needs TURN:MOMENT, the moment throw, drop, turn or end, not '" +
                      value + "'.");
}

}  // namespace

int RunJoin(const TArguments& args, std::string& out) {
    std::string invitationText;
    long waitSeconds = 600;
    TFaults faults;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--wait") {
            waitSeconds = ParseCount(OptionValue(args, i), "--wait", kMaxWaitSeconds);
        } else if (args[i] == "--cut-line") {
            const std::string value = OptionValue(args, i);
            const TCutMoment moment = CutMoment(value);
            faults.cuts.insert(
                {ParseCount(value.substr(0, value.find(':')), "--cut-line", kMaxTurns), moment});
        } else if (args[i] == "--jitter") {
            faults.jitterSeed =
                static_cast<unsigned>(ParseCount(OptionValue(args, i), "--jitter", 1000000000L, 0));
        } else if (invitationText.empty() && args[i].rfind("--", 0) != 0) {
            invitationText = args[i];
        } else {
            throw TUsageError("Unknown option '" + args[i] + "' for join.");
        }
    }
    net::TInvitation invitation;
    std::string problem;
    if (!net::ParseInvitation(invitationText, invitation, problem)) throw TUsageError(problem);
    net::EnsureEventLoop();
    TJoinedGame game(out, faults);
    const long deadline = waitSeconds * 1000;
    long spent = 0;
    std::string lastEnd;
    // A lost line is taken up again with the same invitation, until the game
    // ends or the wait runs out; the host keeps the seat's turns waiting.
    while (true) {
        auto transport = std::make_unique<net::TGuestTransport>(invitation);
        game.Attach(transport.get());
        transport->Open();
        const auto started = std::chrono::steady_clock::now();
        const bool ended = net::RunEventsUntil([&] { return game.Done() || game.Lost(); },
                                               static_cast<int>(deadline - spent));
        spent += static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                       std::chrono::steady_clock::now() - started)
                                       .count());
        if (game.Done()) {
            // The host hears that the end was heard before this guest goes.
            if (game.Problem().empty())
                net::RunEventsUntil([&] { return game.LetGo(); }, kLetGoMilliseconds);
            break;
        }
        if (!ended || spent >= deadline) {
            // A host never reached is named as such.
            if (!game.EverSeated() && !lastEnd.empty()) throw TUsageError(lastEnd);
            throw TUsageError("The game did not end within " + std::to_string(waitSeconds) +
                              " seconds.");
        }
        lastEnd = game.ClosedWith();
        // A lost line is tried again, also before the seat was first taken
        // (a host killed then restarts); but a seat taken by another from
        // the start is that guest's, and said at once.
        if (!game.MayRejoin() || (!game.EverSeated() && game.Refused()))
            throw TUsageError(game.ClosedWith());
        // Said once per lost seat, not at every try while the host is away.
        if (game.WasSeated()) std::fprintf(stderr, "%s\n", kReconnecting);
        game.Attach(nullptr);
        transport.reset();
        net::RunEventsUntil([] { return false; }, 200);
        spent += 200;
    }
    if (!game.Problem().empty()) throw TUsageError(game.Problem());
    return 0;
}

}  // namespace vaeloric::sim
