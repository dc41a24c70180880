// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>

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

// A headless guest: its computer player moves for its army, and it prints
// every turn as the host played it, as play prints them.
class TJoinedGame {
  public:
    TJoinedGame(net::TGuestTransport& transport, std::string& out)
        : transport_(transport), out_(out) {
        transport_.onMessage = [this](const net::THostMessage& message) { Heard(message); };
        transport_.onClosed = [this](const std::string& sentence) {
            if (!over_ && problem_.empty()) problem_ = sentence;
        };
    }
    bool Done() const { return over_ || !problem_.empty(); }
    const std::string& Problem() const { return problem_; }

  private:
    void Heard(const net::THostMessage& message) {
        if (const auto* welcome = std::get_if<net::TWelcome>(&message)) {
            TSavedGame saved;
            if (welcomed_ || !ParseSavedGame(welcome->game, kAnyBoard, saved).Loaded())
                return Fail("The host's game cannot be read.");
            CommitSavedGame(saved, game_.board, game_.setUp, game_.turn, game_.reading);
            game_.board.SetPlayerCode(SeatArmies(game_.setUp).army[1], welcome->questioner);
            welcomed_ = true;
            army_ = welcome->army;
            nextTurn_ = welcome->turn;
        } else if (const auto* prompt = std::get_if<net::TPrompt>(&message)) {
            if (!welcomed_ || prompt->army != army_ || prompt->turn != nextTurn_) return;
            if (prompt->face == 0) return transport_.Send(net::TThrowRequest{prompt->turn, 0});
            TBoard trial = game_.board;
            SquareRecord destination, origin;
            if (ChooseComputerMove(trial, static_cast<TDieFace>(prompt->face), army_, destination,
                                   origin))
                transport_.Send(
                    net::TDropRequest{prompt->turn, origin.Square(), destination.Square()});
        } else if (const auto* played = std::get_if<net::TTurnPlayed>(&message)) {
            Follow(*played);
        } else if (const auto* over = std::get_if<net::TGameOver>(&message)) {
            out_ += "result: " + over->result + "\n";
            over_ = true;
            transport_.Close();
        }
    }
    // Plays the host's turn on the copy; a turn that does not follow, or
    // that the rules refuse here, means the copies differ.
    void Follow(const net::TTurnPlayed& played) {
        if (!welcomed_ || played.turn != nextTurn_ || played.army != game_.board.armyToMove)
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
            if (!cycle.ComputerMove() || !SquaresEqual(game_.turn.moveFrom, played.from) ||
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
        transport_.Close();
    }

    net::TGuestTransport& transport_;
    std::string& out_;
    TGame game_;
    TQuietTurns quiet_;
    bool welcomed_ = false, over_ = false;
    std::int32_t army_ = 0;
    long nextTurn_ = 1;
    std::string problem_;
};

}  // namespace

int RunJoin(const TArguments& args, std::string& out) {
    std::string invitationText;
    long waitSeconds = 600;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--wait") {
            waitSeconds = ParseCount(OptionValue(args, i), "--wait", kMaxWaitSeconds);
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
    net::TGuestTransport transport(invitation);
    TJoinedGame game(transport, out);
    transport.Open();
    if (!net::RunEventsUntil([&] { return game.Done(); }, static_cast<int>(waitSeconds * 1000)))
        throw TUsageError("The game did not end within " + std::to_string(waitSeconds) +
                          " seconds.");
    if (!game.Problem().empty()) throw TUsageError(game.Problem());
    return 0;
}

}  // namespace vaeloric::sim
