// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <set>

#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "flow/seats.h"
#include "net/event_loop.h"
#include "net/transport.h"
#include "sim/commands.h"
#include "sim/game_runner.h"
#include "sim/play_options.h"
#include "sim/remote_seats.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

namespace {

constexpr long kMaxWaitSeconds = 3600;

void Say(const std::string& sentence) {
    std::fprintf(stderr, "%s\n", sentence.c_str());
}

// The network seats of a headless host: the guests' computer players throw
// and move for their armies; a seat whose guest is gone, stalls or breaks
// the rules is played by its computer opponent for the rest of the game.
class THostSeats : public TRemoteSeats {
  public:
    THostSeats(net::THostTransport& transport, const TGame& game,
               const std::map<std::int32_t, int>& armySeats, int waitMilliseconds, int questioner)
        : transport_(transport),
          game_(game),
          armySeats_(armySeats),
          wait_(waitMilliseconds),
          questioner_(questioner) {
        transport_.onJoined = [this](int seat) {
            joined_.insert(seat);
            transport_.Send(seat,
                            net::TWelcome{seat, ArmyOf(seat), turn_, Position(), questioner_});
        };
        transport_.onLeft = [this](int seat) {
            if (!finished_) HandOver(seat, "its guest left");
        };
        transport_.onMessage = [this](int seat, const net::TGuestMessage& message) {
            Heard(seat, message);
        };
        transport_.onLog = Say;
    }

    // Guests that leave after the game are not handed over.
    void Finish() { finished_ = true; }

    bool AllJoined() const {
        for (const auto& [army, seat] : armySeats_)
            if (joined_.count(seat) == 0 && handedOver_.count(seat) == 0) return false;
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

    void AwaitThrow(long turn, std::int32_t army) {
        const int seat = armySeats_.at(army);
        Ask(turn, army, 0);
        if (!net::RunEventsUntil([&] { return thrown_ || Gone(seat); }, wait_))
            HandOver(seat, "its guest did not throw in time"),
                transport_.CutOff(seat, "It did not throw in time.");
    }

    bool Move(TTurnCycle& cycle, long turn, std::int32_t army) {
        const int seat = armySeats_.at(army);
        if (Gone(seat)) return cycle.ComputerMove();
        Ask(turn, army, game_.turn.throwValue);
        if (!net::RunEventsUntil([&] { return drop_.has_value() || Gone(seat); }, wait_)) {
            transport_.CutOff(seat, "It did not move in time.");
            HandOver(seat, "its guest did not move in time");
        }
        if (Gone(seat) || !drop_) return cycle.ComputerMove();
        // A headless guest plays the seat's computer profile. Its move is made
        // here by the same computer player, whose trial moves touch piece
        // values on the board, so that the game stays the one a single
        // process plays; the guest's drop must be that move.
        const net::TDropRequest drop = *drop_;
        cycle.ComputerMove();
        if (SquaresEqual(game_.turn.moveFrom, drop.from) &&
            SquaresEqual(game_.turn.moveTo, drop.to))
            return true;
        transport_.CutOff(seat, "Its move is not its computer player's.");
        HandOver(seat, "its guest's move was not its computer player's");
        return true;
    }

    void Played(long turn, std::int32_t army, TDieFace face, bool missed, TSquare from,
                TSquare to) override {
        turn_ = turn + 1;
        transport_.SendToAll(net::TTurnPlayed{turn, army, face, missed, from, to});
    }

  private:
    // A seat whose guest plays it; once handed over, its computer opponent.
    class TGuestSeat final : public TSeat {
      public:
        explicit TGuestSeat(THostSeats& host) : host_(host) {}
        TSeatKind Kind() const override { return TSeatKind::Remote; }
        void AwaitThrow(long turn, std::int32_t army) override {
            if (!host_.Gone(host_.armySeats_.at(army))) host_.AwaitThrow(turn, army);
        }
        bool Move(TTurnCycle& cycle, long turn, std::int32_t army) override {
            return host_.Move(cycle, turn, army);
        }

      private:
        THostSeats& host_;
    };

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
        if (!handedOver_.insert(seat).second) return;
        Say("Seat " + std::to_string(seat) + ": " + why +
            "; its computer opponent plays it from now on.");
    }
    void Ask(long turn, std::int32_t army, int face) {
        awaited_ = turn;
        awaitedArmy_ = army;
        thrown_ = false;
        drop_.reset();
        transport_.Send(armySeats_.at(army), net::TPrompt{turn, army, face});
    }
    // Only the army to move, on the turn being played, is heard; anything
    // else (a late repeat) is ignored, so nothing is played twice.
    void Heard(int seat, const net::TGuestMessage& message) {
        if (armySeats_.count(awaitedArmy_) == 0 || armySeats_.at(awaitedArmy_) != seat) return;
        if (const auto* request = std::get_if<net::TThrowRequest>(&message)) {
            if (request->turn == awaited_) thrown_ = true;
        } else if (const auto* drop = std::get_if<net::TDropRequest>(&message)) {
            if (drop->turn == awaited_ && !drop_) drop_ = *drop;
        }
    }

    net::THostTransport& transport_;
    const TGame& game_;
    std::map<std::int32_t, int> armySeats_;
    int wait_;
    int questioner_;
    std::set<int> joined_, handedOver_;
    long turn_ = 1;
    long awaited_ = 0;
    std::int32_t awaitedArmy_ = 0;
    bool thrown_ = false;
    bool finished_ = false;
    std::optional<net::TDropRequest> drop_;
    std::map<std::int32_t, std::unique_ptr<TGuestSeat>> seats_;
};

}  // namespace

int RunHost(const TArguments& args, std::string& out) {
    TGameOptions options;
    TPlayFiles files;
    std::string remote = "234", address = "127.0.0.1", identityFolder, invitationsPath;
    long port = 0, waitSeconds = 60;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (ParsePlayOption(args, i, files, options)) continue;
        const std::string& option = args[i];
        if (option == "--remote") {
            remote = OptionValue(args, i);
            bool valid = !remote.empty() && remote.size() <= 3;
            for (const char c : remote)
                valid = valid && c >= '2' && c <= '4' &&
                        std::count(remote.begin(), remote.end(), c) == 1;
            if (!valid)
                throw TUsageError(
                    "--remote needs the seats 2, 3 and 4 played elsewhere, such as 24, not '" +
                    remote + "'.");
        } else if (option == "--listen") {
            address = OptionValue(args, i);
        } else if (option == "--port") {
            port = ParseCount(OptionValue(args, i), "--port", 65535, 0);
        } else if (option == "--identity") {
            identityFolder = OptionValue(args, i);
        } else if (option == "--invitations") {
            invitationsPath = OptionValue(args, i);
        } else if (option == "--wait") {
            waitSeconds = ParseCount(OptionValue(args, i), "--wait", kMaxWaitSeconds);
        } else {
            throw TUsageError("Unknown option '" + option + "' for host.");
        }
    }
    if (invitationsPath.empty())
        throw TUsageError("host needs --invitations FILE for the guests' invitations.");
    CheckPlayFiles(files);
    CheckOutputTarget(invitationsPath);
    RequireFolder(invitationsPath, "Cannot write the invitations '" + invitationsPath + "'.");

    net::EnsureEventLoop();
    net::THostIdentity identity;
    std::string problem;
    if (!net::LoadOrMakeHostIdentity(
            identityFolder.empty() ? net::DefaultIdentityFolder() : identityFolder, identity,
            problem))
        throw TUsageError(problem);
    net::THostTransport transport(identity);
    if (!transport.Listen(address, static_cast<std::uint16_t>(port), problem))
        throw TUsageError(problem);

    TGame game;
    SetUpGame(options, game);
    const TSeatArmies armies = SeatArmies(game.setUp);
    std::map<std::int32_t, int> armySeats;
    std::string invitations;
    for (const char c : remote) {
        const int seat = c - '0';
        armySeats[armies.army[seat]] = seat;
        const net::TInvitation invitation{address, transport.Port(), seat,
                                          transport.OfferSeat(seat), identity.fingerprint};
        invitations += net::InvitationText(invitation) + "\n";
    }
    THostSeats seats(transport, game, armySeats, static_cast<int>(waitSeconds * 1000),
                     options.questionerCode);
    if (!SafeWriteFile(invitationsPath, invitations))
        throw TUsageError("Cannot write the invitations '" + invitationsPath + "'.");
    if (!net::RunEventsUntil([&] { return seats.AllJoined(); },
                             static_cast<int>(waitSeconds * 1000)))
        seats.HandOverAbsent();

    TGameRecord record;
    PlayGame(
        options, game,
        [&](const std::string& line) {
            out += line;
            out += '\n';
        },
        files.recordPath.empty() ? nullptr : &record, &seats);
    seats.Finish();
    transport.SendToAll(net::TGameOver{game.turns, ResultWord(game.result)});
    // The last frames go out before the sockets close.
    net::RunEventsUntil([] { return false; }, 200);
    WritePlayFiles(files, options, game, &record);
    return 0;
}

}  // namespace vaeloric::sim
