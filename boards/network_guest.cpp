// SPDX-License-Identifier: GPL-3.0-or-later

#include "boards/network_guest.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QStandardPaths>
#include <QTimer>
#include <map>

#include "flow/game_controller.h"
#include "flow/safe_file.h"
#include "flow/seats.h"
#include "net/transport.h"
#include "window/koravin_window.h"

namespace vaeloric {

namespace {
constexpr int kJoinMilliseconds = 15000;
constexpr int kRetryMilliseconds = 2000;
}  // namespace

struct TNetworkGuest::TImpl {
    TImpl(TKoravinWindow& shown, TGameSession& played, const net::TInvitation& taken)
        : window(shown), game(played), controller(shown.Controller()), invitation(taken) {}

    TKoravinWindow& window;
    TGameSession& game;
    TGameController& controller;
    net::TInvitation invitation;
    std::unique_ptr<net::TGuestTransport> line;
    std::optional<net::TWelcome> welcome;
    std::string closedWith;
    bool closed = false, gaveUp = false, seated = false;
    std::map<long, net::TTurnPlayed> waiting;
    std::optional<net::TPrompt> prompt;
    std::optional<net::TGameOver> over;
    QLabel* banner = nullptr;
    QTimer tick;

    void Open() {
        line = std::make_unique<net::TGuestTransport>(invitation);
        closed = false;
        line->onMessage = [this](const net::THostMessage& message) { Heard(message); };
        line->onClosed = [this](const std::string& sentence) {
            closed = true;
            closedWith = sentence;
            if (!seated || over) return;
            if (line->Rejoinable()) {
                ShowBanner(true);
                QTimer::singleShot(kRetryMilliseconds, [this] {
                    if (closed && !controller.Ended()) Open();
                });
            } else {
                gaveUp = true;
                std::fprintf(stderr, "%s\n", sentence.c_str());
            }
        };
        line->Open();
    }

    void ShowBanner(bool on, const char* text = kReconnectingText) {
        if (banner == nullptr) {
            banner = new QLabel(&window);
            banner->setAlignment(Qt::AlignCenter);
            banner->setStyleSheet(
                "background: #8b0000; color: white; font-weight: bold; padding: 8px;");
        }
        banner->setText(QString::fromUtf8(text));
        banner->setAccessibleName(banner->text());
        banner->setGeometry(window.NoticeArea(banner->sizeHint().height()));
        banner->setVisible(on);
        if (on) banner->raise();
    }

    void Heard(const net::THostMessage& message) {
        if (const auto* hello = std::get_if<net::TWelcome>(&message)) {
            if (!welcome) welcome = *hello;
            seated = true;
            ShowBanner(false);
            waiting.clear();
            prompt.reset();
        } else if (const auto* played = std::get_if<net::TTurnPlayed>(&message)) {
            waiting[played->turn] = *played;
        } else if (const auto* asked = std::get_if<net::TPrompt>(&message)) {
            prompt = *asked;
        } else if (const auto* end = std::get_if<net::TGameOver>(&message)) {
            over = *end;
            line->Send(net::TEndHeard{end->turns});  // the host may let this screen go
        }
        QTimer::singleShot(0, &window, [this] { Advance(); });
    }

    // Follows the turns that are due, then takes the face of a prompt.
    // Nothing runs while a box or a reading of this screen is open: the
    // nested event loop calls back, and the turn waits until it closes.
    bool advancing = false;
    void Advance() {
        if (advancing || !controller.Playing()) return;
        advancing = true;
        while (!waiting.empty() && controller.Playing()) {
            const auto next = waiting.begin();
            if (next->first < controller.TurnNumber()) {
                waiting.erase(next);
                continue;
            }
            if (next->first != controller.TurnNumber()) break;
            const net::TTurnPlayed turn = next->second;
            // A turn with a later one already heard is caught up on (this
            // screen joined late, or came back): only the last one shows.
            const bool behind = waiting.rbegin()->first > turn.turn ||
                                (prompt && prompt->turn > turn.turn) ||
                                (over && over->turns > turn.turn);
            waiting.erase(next);
            TGameController::TPlayedTurn played;
            played.turn = turn.turn;
            played.army = turn.army;
            played.face = static_cast<TDieFace>(turn.face);
            played.missed = turn.missed;
            played.from = turn.from;
            played.to = turn.to;
            if (!controller.FollowTurn(played, behind))
                std::fprintf(stderr, "The host's turn %ld does not follow this game.\n", turn.turn);
        }
        if (prompt && controller.Playing() && prompt->turn == controller.TurnNumber()) {
            controller.TakeThrow(prompt->turn, static_cast<TDieFace>(prompt->face));
            prompt.reset();  // taken: the next prompt is the host's next word
        }
        // A game the host closed before its end, or the Questioner resigned
        // at the host: nothing more will come.
        if (over && waiting.empty() && controller.Playing() &&
            controller.TurnNumber() > over->turns) {
            if (over->result == "unfinished")
                ShowBanner(true, "The host ended the game before it was decided.");
            else if (over->result == "lose")
                ShowBanner(true, "The Questioner resigned, and the answer is unfavourable.");
        }
        advancing = false;
        window.update();
    }
};

TNetworkGuest::~TNetworkGuest() = default;

std::unique_ptr<TNetworkGuest> TNetworkGuest::Join(TKoravinWindow& window, TGameSession& game,
                                                   const net::TInvitation& invitation,
                                                   std::string& problem) {
    auto guest = std::unique_ptr<TNetworkGuest>(new TNetworkGuest);
    guest->impl_ = std::make_unique<TImpl>(window, game, invitation);
    TImpl& impl = *guest->impl_;
    impl.Open();
    QEventLoop wait;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &wait, [&] {
        if (impl.welcome || impl.closed) wait.quit();
    });
    poll.start(20);
    QTimer::singleShot(kJoinMilliseconds, &wait, &QEventLoop::quit);
    wait.exec();
    if (!impl.welcome) {
        problem = impl.closed && !impl.closedWith.empty()
                      ? impl.closedWith
                      : "The host did not answer; the seat was not taken.";
        return nullptr;
    }
    // The host's game is loaded as a saved game, from a file of our own.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation) +
                           "/vaeloric-guest-" + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(folder);
    const std::string path = (folder + "/host.vae").toStdString();
    if (!SafeWriteFile(path, impl.welcome->game)) {
        problem = "The host's game could not be kept to be shown.";
        return nullptr;
    }
    game.reloadPath = path;
    // Only this seat's army is played here; the others move at the host.
    const std::int32_t own = impl.welcome->army;
    for (std::int32_t army = 1; army <= 4; ++army)
        if (army != own) impl.controller.PlayArmyRemotely(army);
    impl.controller.onThrowWanted = [&impl](long turn, TDieFace face) {
        if (impl.line) impl.line->Send(net::TThrowRequest{turn, face});
    };
    impl.controller.onDropWanted = [&impl](long turn, TSquare from, TSquare to) {
        if (impl.line) impl.line->Send(net::TDropRequest{turn, from, to});
    };
    // Turns that came while a box was open are followed once it closes.
    impl.tick.setInterval(200);
    QObject::connect(&impl.tick, &QTimer::timeout, &window, [&impl] { impl.Advance(); });
    impl.tick.start();
    problem.clear();
    return guest;
}

}  // namespace vaeloric
