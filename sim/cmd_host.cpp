// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>

#include "flow/hosted_seats.h"
#include "flow/record_play.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "flow/seats.h"
#include "net/event_loop.h"
#include "net/host_state.h"
#include "net/transport.h"
#include "sim/commands.h"
#include "sim/game_runner.h"
#include "sim/play_options.h"
#include "sim/remote_seats.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

using net::FormatActivation;
using net::FormatHostState;
using net::kMaxHostStateBytes;
using net::ParseActivation;
using net::ParseHostState;
using net::THostState;

namespace {

constexpr long kMaxWaitSeconds = 3600;
// How long a host that has ended its game waits for its guests to say they
// heard the end, also for guests that are away to come back for it.
constexpr long kMaxLingerSeconds = 10;
// A host's game file is a few hundred kilobytes at the longest games.

void Say(const std::string& sentence) {
    std::fprintf(stderr, "%s\n", sentence.c_str());
}

long NowMilliseconds() {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now().time_since_epoch())
                                 .count());
}

// The network seats of a headless host: the guests' computer players throw
// and move for their armies. A guest that leaves is waited for and rejoins
// with its invitation; a seat whose guest stays away too long, stalls or
// breaks the rules is played by its computer opponent for the rest of the
// game.
class THostSeats : public TRemoteSeats {
  public:
    THostSeats(net::THostTransport& transport, const TGame& game,
               const std::map<std::int32_t, int>& armySeats, int waitMilliseconds,
               int awayMilliseconds, int questioner)
        : transport_(transport),
          game_(game),
          armySeats_(armySeats),
          wait_(waitMilliseconds),
          away_(awayMilliseconds),
          questioner_(questioner) {
        transport_.onJoined = [this](int seat) { Joined(seat); };
        transport_.onLeft = [this](int seat) {
            if (finished_ || Gone(seat)) return;
            awaySince_[seat] = NowMilliseconds();
            Say("Seat " + std::to_string(seat) + ": its guest left; its turns wait for it.");
        };
        transport_.onMessage = [this](int seat, const net::TGuestMessage& message) {
            Heard(seat, message);
        };
        transport_.onLog = Say;
    }

    // What a restarted host had: the turns played and the seats handed over.
    void Restore(const std::vector<net::TTurnPlayed>& played,
                 const std::map<int, long>& handedOver) {
        played_ = played;
        turn_ = static_cast<long>(played.size()) + 1;
        handedOver_ = handedOver;
    }
    // Heard after every turn, before the guests hear of it: a host killed
    // from then on goes on after it.
    std::function<void()> onTurnKept;

    // The game is over: every guest there hears it, and a guest that comes
    // back hears it on its return.
    void Finish(const net::TGameOver& over) {
        finished_ = true;
        over_ = over;
        for (const auto& [army, seat] : armySeats_) transport_.Send(seat, over);
    }
    // Every seat still played by its guest has said it heard the end.
    bool AllHeardTheEnd() const {
        for (const auto& [army, seat] : armySeats_)
            if (!Gone(seat) && heardTheEnd_.count(seat) == 0) return false;
        return true;
    }
    bool NoneConnected() const {
        for (const auto& [army, seat] : armySeats_)
            if (transport_.SeatTaken(seat)) return false;
        return true;
    }

    bool AllJoined() const {
        for (const auto& [army, seat] : armySeats_)
            if (joined_.count(seat) == 0 && !Gone(seat)) return false;
        return true;
    }
    void HandOverAbsent() {
        for (const auto& [army, seat] : armySeats_)
            if (joined_.count(seat) == 0) HandOver(seat, "no guest took it in time");
    }

    TSeat* SeatOf(std::int32_t army) override {
        if (armySeats_.count(army) == 0) return nullptr;
        auto& seat = seats_[army];
        if (!seat) seat = std::make_unique<TGuestSeat>(*this);
        return seat.get();
    }

    void Played(long turn, std::int32_t army, TDieFace face, bool missed, TSquare from,
                TSquare to) override {
        turn_ = turn + 1;
        prompt_.reset();
        played_.push_back(net::TTurnPlayed{turn, army, face, missed, from, to});
        if (onTurnKept) onTurnKept();
        transport_.SendToAll(played_.back());
    }

    const std::vector<net::TTurnPlayed>& PlayedTurns() const { return played_; }
    const std::map<int, long>& HandedOver() const { return handedOver_; }

  private:
    // A seat whose guest plays it; once handed over, its computer opponent.
    class TGuestSeat final : public TSeat {
      public:
        explicit TGuestSeat(THostSeats& host) : host_(host) {}
        TSeatKind Kind() const override { return TSeatKind::Remote; }
        void AwaitThrow(long turn, std::int32_t army) override { host_.AwaitThrow(turn, army); }
        bool Move(TTurnCycle& cycle, long turn, std::int32_t army) override {
            return host_.Move(cycle, turn, army);
        }

      private:
        THostSeats& host_;
    };

    void AwaitThrow(long turn, std::int32_t army) {
        const int seat = armySeats_.at(army);
        if (Gone(seat)) return;
        Ask(turn, army, 0);
        if (!WaitFor(seat, [&] { return thrown_; }) && !Gone(seat)) {
            HandOver(seat, "its guest did not throw in time");
            transport_.CutOff(seat, "It did not throw in time.");
        }
    }

    bool Move(TTurnCycle& cycle, long turn, std::int32_t army) {
        const int seat = armySeats_.at(army);
        if (Gone(seat)) return cycle.ComputerMove();
        Ask(turn, army, game_.turn.throwValue);
        if (!WaitFor(seat, [&] { return drop_.has_value(); }) && !Gone(seat)) {
            transport_.CutOff(seat, "It did not move in time.");
            HandOver(seat, "its guest did not move in time");
        }
        if (Gone(seat) || !drop_) return cycle.ComputerMove();
        // A headless guest plays the seat's computer profile. Its move is made
        // here by the same computer player, whose trial moves touch piece
        // values on the board, so that the game stays the one a single
        // process plays; the guest's drop must be that move.
        const net::TDropRequest drop = *drop_;
        const bool moved = cycle.ComputerMove();
        if (moved && SquaresEqual(game_.turn.moveFrom, drop.from) &&
            SquaresEqual(game_.turn.moveTo, drop.to))
            return true;
        transport_.CutOff(seat, "Its move is not its computer player's.");
        HandOver(seat, "its guest's move was not its computer player's");
        return moved;
    }

    // Runs the events until `done`, the seat is handed over, or its guest
    // has been away for the host's limit; false when the wait ran out.
    bool WaitFor(int seat, const std::function<bool()>& done) {
        const bool finished = net::RunEventsUntil(
            [&] {
                if (done() || Gone(seat)) return true;
                const auto away = awaySince_.find(seat);
                if (away_ > 0 && away != awaySince_.end() &&
                    NowMilliseconds() - away->second >= away_)
                    HandOver(seat, "its guest stayed away longer than " +
                                       std::to_string(away_ / 1000) + " s");
                return Gone(seat);
            },
            wait_);
        return finished;
    }

    void Joined(int seat) {
        joined_.insert(seat);
        awaySince_.erase(seat);
        transport_.Send(seat, net::TWelcome{seat, ArmyOf(seat), turn_, Position(), questioner_});
        // A guest that comes back catches up on the turns it missed; the
        // turns it has already followed it leaves alone.
        for (const net::TTurnPlayed& played : played_) transport_.Send(seat, played);
        if (prompt_ && armySeats_.count(prompt_->army) != 0 && armySeats_.at(prompt_->army) == seat)
            transport_.Send(seat, *prompt_);
        if (over_) transport_.Send(seat, *over_);
    }

    int ArmyOf(int seat) const {
        for (const auto& [army, s] : armySeats_)
            if (s == seat) return army;
        return 0;
    }
    std::string Position() const {
        return FormatSavedGame(game_.setUp.boardLetter, game_.board, game_.setUp, game_.turn,
                               game_.reading);
    }
    bool Gone(int seat) const { return handedOver_.count(seat) != 0; }
    void HandOver(int seat, const std::string& why) {
        if (!handedOver_.emplace(seat, turn_).second) return;
        Say("Seat " + std::to_string(seat) + ": " + why +
            "; its computer opponent plays it from now on.");
    }
    void Ask(long turn, std::int32_t army, int face) {
        awaited_ = turn;
        awaitedArmy_ = army;
        thrown_ = false;
        drop_.reset();
        prompt_ = net::TPrompt{turn, army, face};
        transport_.Send(armySeats_.at(army), *prompt_);
    }
    // Only the army to move, on the turn being played, is heard; anything
    // else (a late repeat, a request from before a reconnection) is ignored,
    // so nothing is played twice.
    void Heard(int seat, const net::TGuestMessage& message) {
        if (const auto* heard = std::get_if<net::TEndHeard>(&message)) {
            // Its guest needs nothing more: its line is let go.
            if (over_ && heard->turns == over_->turns && heardTheEnd_.insert(seat).second)
                transport_.Release(seat);
            return;
        }
        if (!prompt_ || armySeats_.count(awaitedArmy_) == 0 || armySeats_.at(awaitedArmy_) != seat)
            return;
        if (const auto* request = std::get_if<net::TThrowRequest>(&message)) {
            if (request->turn == awaited_ && prompt_->face == 0) thrown_ = true;
        } else if (const auto* drop = std::get_if<net::TDropRequest>(&message)) {
            if (drop->turn == awaited_ && prompt_->face != 0 && !drop_) drop_ = *drop;
        }
    }

    net::THostTransport& transport_;
    const TGame& game_;
    std::map<std::int32_t, int> armySeats_;
    int wait_;
    int away_;  // 0: a guest that left is waited for as long as a turn is
    int questioner_;
    std::set<int> joined_;
    std::map<int, long> handedOver_;
    std::map<int, long> awaySince_;
    std::vector<net::TTurnPlayed> played_;
    long turn_ = 1;
    long awaited_ = 0;
    std::int32_t awaitedArmy_ = 0;
    bool thrown_ = false;
    bool finished_ = false;
    std::optional<net::TGameOver> over_;
    std::set<int> heardTheEnd_;
    std::optional<net::TPrompt> prompt_;
    std::optional<net::TDropRequest> drop_;
    std::map<std::int32_t, std::unique_ptr<TGuestSeat>> seats_;
};

struct THostOptions {
    TGameOptions game;
    TPlayFiles files;
    std::string remote = "234", address = "127.0.0.1", identityFolder, invitationsPath, gamePath;
    long port = 0, waitSeconds = 60, awaySeconds = 0;
};

void ParseHostOptions(const TArguments& args, THostOptions& o) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (ParsePlayOption(args, i, o.files, o.game)) continue;
        const std::string& option = args[i];
        if (option == "--remote") {
            o.remote = OptionValue(args, i);
            const std::string& remote = o.remote;
            bool valid = !remote.empty() && remote.size() <= 3;
            for (const char c : remote)
                valid = valid && c >= '2' && c <= '4' &&
                        std::count(remote.begin(), remote.end(), c) == 1;
            if (!valid)
                throw TUsageError(
                    "--remote needs the seats 2, 3 and 4 played elsewhere, such as 24, not '" +
                    remote + "'.");
        } else if (option == "--listen") {
            o.address = OptionValue(args, i);
        } else if (option == "--port") {
            o.port = ParseCount(OptionValue(args, i), "--port", 65535, 0);
        } else if (option == "--identity") {
            o.identityFolder = OptionValue(args, i);
        } else if (option == "--invitations") {
            o.invitationsPath = OptionValue(args, i);
        } else if (option == "--wait") {
            o.waitSeconds = ParseCount(OptionValue(args, i), "--wait", kMaxWaitSeconds);
        } else if (option == "--hand-over") {
            o.awaySeconds = ParseCount(OptionValue(args, i), "--hand-over", kMaxWaitSeconds);
        } else if (option == "--keep") {
            o.gamePath = OptionValue(args, i);
        } else {
            throw TUsageError("Unknown option '" + option + "' for host.");
        }
    }
    if (o.invitationsPath.empty())
        throw TUsageError("host needs --invitations FILE for the guests' invitations.");
}

THostState ReadHostState(const std::string& path) {
    std::string bytes;
    const TFileOutcome read = ReadFileSafely(path, kMaxHostStateBytes + 1, bytes);
    if (read != TFileOutcome::Done)
        throw TUsageError("Cannot read the host's game '" + path + "'.");
    THostState state;
    std::string problem;
    if (bytes.size() > kMaxHostStateBytes || !ParseHostState(bytes, state, problem))
        throw TUsageError("'" + path + "' is not a host's game file.");
    return state;
}

}  // namespace

int RunHost(const TArguments& args, std::string& out) {
    // A restarted host takes everything from its game file.
    std::optional<THostState> resumed;
    TArguments options = args;
    if (!args.empty() && args[0] == "--resume") {
        if (args.size() != 2) throw TUsageError("host --resume takes the host's game file only.");
        resumed = ReadHostState(args[1]);
        options = resumed->options;
    }
    THostOptions o;
    ParseHostOptions(options, o);
    if (resumed) o.gamePath = args[1];
    CheckPlayFiles(o.files);
    CheckOutputTarget(o.invitationsPath);
    RequireFolder(o.invitationsPath, "Cannot write the invitations '" + o.invitationsPath + "'.");
    if (!o.gamePath.empty()) {
        CheckOutputTarget(o.gamePath);
        RequireFolder(o.gamePath, "Cannot write the host's game '" + o.gamePath + "'.");
    }

    net::EnsureEventLoop();
    net::THostIdentity identity;
    std::string problem;
    if (!net::LoadOrMakeHostIdentity(
            o.identityFolder.empty() ? net::DefaultIdentityFolder() : o.identityFolder, identity,
            problem))
        throw TUsageError(problem);
    net::THostTransport transport(identity);
    const std::uint16_t port = resumed ? resumed->port : static_cast<std::uint16_t>(o.port);
    if (!transport.Listen(o.address, port, problem)) throw TUsageError(problem);

    TGame game;
    SetUpGame(o.game, game);
    TGameRecord record;
    TGameRecord* kept = o.files.recordPath.empty() ? nullptr : &record;
    std::minstd_rand dice(o.game.seed);
    std::vector<std::string> lines;
    if (resumed) {
        TSavedGame saved;
        if (!ParseSavedGame(resumed->game, kAnyBoard, saved).Loaded() ||
            !(std::istringstream(resumed->dice) >> dice))
            throw TUsageError("'" + o.gamePath + "' is not a host's game file.");
        CommitSavedGame(saved, game.board, game.setUp, game.turn, game.reading);
        game.board.SetPlayerCode(SeatArmies(game.setUp).army[1], o.game.questionerCode);
        if (!ParseActivation(resumed->activation, game.reading))
            throw TUsageError("'" + o.gamePath + "' is not a host's game file.");
        game.turns = resumed->nextTurn - 1;
        game.computerMoves = resumed->computerMoves;
        game.result = resumed->result == "win"    ? TGameResult::Win
                      : resumed->result == "lose" ? TGameResult::Lose
                                                  : TGameResult::Unfinished;
        lines = resumed->lines;
        if (kept != nullptr)
            record = ContinuedRecord(resumed->record, o.game.boardLetter, game.board, game.setUp,
                                     game.turn, game.reading);
    } else if (kept != nullptr) {
        record = RecordHeader(o.game.boardLetter, game.board, game.setUp, game.turn, game.reading,
                              false);
    }

    const TSeatArmies armies = SeatArmies(game.setUp);
    std::map<std::int32_t, int> armySeats;
    std::map<int, std::string> codes;
    std::string invitations;
    for (const char c : o.remote) {
        const int seat = c - '0';
        armySeats[armies.army[seat]] = seat;
        codes[seat] = resumed && resumed->codes.count(seat) != 0
                          ? transport.OfferSeat(seat, resumed->codes.at(seat))
                          : transport.OfferSeat(seat);
        const net::TInvitation invitation{o.address, transport.Port(), seat, codes[seat],
                                          identity.fingerprint};
        invitations += net::InvitationText(invitation) + "\n";
    }
    THostSeats seats(transport, game, armySeats, static_cast<int>(o.waitSeconds * 1000),
                     static_cast<int>(o.awaySeconds * 1000), o.game.questionerCode);
    if (resumed) seats.Restore(resumed->played, resumed->handedOver);

    // The game as it stands after every turn, for a host that restarts.
    auto keepGame = [&] {
        if (o.gamePath.empty()) return;
        THostState state;
        state.options = options;
        state.port = transport.Port();
        state.codes = codes;
        state.handedOver = seats.HandedOver();
        std::ostringstream diceState;
        diceState << dice;
        state.dice = diceState.str();
        state.nextTurn = static_cast<long>(seats.PlayedTurns().size()) + 1;
        state.computerMoves = game.computerMoves;
        state.result = ResultWord(game.result);
        state.lines = lines;
        state.played = seats.PlayedTurns();
        state.game = FormatSavedGame(game.setUp.boardLetter, game.board, game.setUp, game.turn,
                                     game.reading);
        state.activation = FormatActivation(game.reading);
        if (kept != nullptr) state.record = FormatRecord(record);
        TWriteOptions secret;
        secret.ownerOnly = true;
        const TFileOutcome written = WriteFileSafely(o.gamePath, FormatHostState(state), secret);
        if (written != TFileOutcome::Done) Say(WriteProblemSentence(o.gamePath, written));
    };
    seats.onTurnKept = keepGame;
    if (!resumed) keepGame();

    if (!SafeWriteFile(o.invitationsPath, invitations))
        throw TUsageError("Cannot write the invitations '" + o.invitationsPath + "'.");
    // A host that died after the last turn only writes the files: a game at
    // its turn limit has no turn left to wait for its guests.
    const long firstTurn = static_cast<long>(lines.size()) + 1;
    if (game.result == TGameResult::Unfinished && firstTurn <= o.game.turnLimit &&
        !net::RunEventsUntil([&] { return seats.AllJoined(); },
                             static_cast<int>(o.waitSeconds * 1000)))
        seats.HandOverAbsent();

    PlayTurns(
        game, dice, firstTurn, o.game.turnLimit,
        [&](const std::string& line) { lines.push_back(line); }, kept, &seats);
    for (const std::string& line : lines) out += line + "\n";
    out += std::string("result: ") + ResultWord(game.result) + "\n";
    seats.Finish(net::TGameOver{game.turns, ResultWord(game.result)});
    // The host keeps running until every guest has said it heard the end: a
    // guest whose line dropped comes back for it. A guest that vanished holds
    // it no longer than the host's limit.
    net::RunEventsUntil([&] { return seats.AllHeardTheEnd(); },
                        static_cast<int>(std::min(o.waitSeconds, kMaxLingerSeconds) * 1000));
    // The last frames go out before the sockets close.
    net::RunEventsUntil([&] { return seats.NoneConnected(); }, 500);
    WritePlayFiles(o.files, o.game, game, kept);
    if (!seats.HandedOver().empty() && !o.files.analysisPath.empty()) {
        // The answer says who played the seats that changed hands.
        std::string analysis;
        if (ReadFileSafely(o.files.analysisPath, kMaxHostStateBytes, analysis) !=
                TFileOutcome::Done ||
            !SafeWriteFile(o.files.analysisPath,
                           analysis + HandOverNote(seats.HandedOver(), armies)))
            throw TUsageError("Cannot write the analysis file '" + o.files.analysisPath + "'.");
    }
    return 0;
}

}  // namespace vaeloric::sim
