// SPDX-License-Identifier: GPL-3.0-or-later

#include "boards/network_host.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>

#include "flow/game_controller.h"
#include "flow/running_game.h"
#include "flow/saved_game.h"
#include "flow/saved_game_format.h"
#include "flow/seats.h"
#include "net/host_identity.h"
#include "net/host_state.h"
#include "net/transport.h"
#include "window/koravin_window.h"

namespace vaeloric {

struct TNetworkHost::TImpl {
    TImpl(TKoravinWindow& shown, TGameSession& session, const net::THostIdentity& identity)
        : window(shown), game(session), controller(shown.Controller()), transport(identity) {}

    TKoravinWindow& window;
    TGameSession& game;
    TGameController& controller;
    net::THostTransport transport;
    std::map<int, std::int32_t> armyOfSeat;
    std::map<std::int32_t, int> seatOfArmy;
    std::set<int> waitingForGame;  // joined before the game was set up
    std::vector<net::TTurnPlayed> played;
    std::optional<net::TPrompt> prompt;  // what the army to move was last asked
    std::optional<net::TGameOver> over;
    QTimer ready;
    std::set<int> away;              // seats whose guest's line dropped
    std::map<int, long> handedOver;  // seat -> the turn its computer took it from
    // What is kept beside the running game after every turn; a host that
    // continues a game starts from it.
    net::THostState kept;
    std::optional<net::THostState> resumed;
    QWidget* awayBar = nullptr;
    QLabel* awayText = nullptr;
    int awaySeat = 0;  // the seat the bar offers

    // The bar under the board while a guest is away: its turns wait, and the
    // host may give its seat to its computer opponent.
    void ShowAwayBar() {
        awaySeat = 0;
        for (const int seat : away)
            if (handedOver.count(seat) == 0) {
                awaySeat = seat;
                break;
            }
        if (awayBar == nullptr) {
            awayBar = new QWidget(&window);
            awayBar->setStyleSheet(
                "QWidget { background: #7a4a00; } QLabel { color: white; font-weight: bold; }");
            auto* row = new QHBoxLayout(awayBar);
            awayText = new QLabel(awayBar);
            auto* button = new QPushButton("Let its computer opponent play", awayBar);
            button->setStyleSheet("background: #f0e0c0; color: black; padding: 4px 10px;");
            row->addWidget(awayText, 1);
            row->addWidget(button);
            QObject::connect(button, &QPushButton::clicked, awayBar, [this] {
                if (awaySeat != 0) HandOver(awaySeat);
            });
        }
        if (awaySeat == 0 || over || !controller.Playing()) {
            awayBar->hide();
            return;
        }
        const std::int32_t army = armyOfSeat.at(awaySeat);
        awayText->setText(QString::fromStdString(
            "Seat " + std::to_string(awaySeat) + " (the " + saved_game::kColourWords[army] +
            " army) has lost its connection: its turns wait for its guest."));
        awayBar->setAccessibleName(awayText->text());
        awayBar->setGeometry(window.NoticeArea(awayBar->sizeHint().height()));
        awayBar->show();
        awayBar->raise();
    }

    // The seat's computer opponent plays it here for the rest of the game;
    // the guest, if it comes back, only watches.
    void HandOver(int seat) {
        if (over || !controller.Playing() || handedOver.count(seat) != 0) return;
        const std::int32_t army = armyOfSeat.at(seat);
        handedOver[seat] = controller.TurnNumber();
        controller.PlayArmyByComputer(army, HandOverCode(seat));
        seatOfArmy.erase(army);
        if (prompt && prompt->army == army) prompt.reset();
        game.answerNote = HandOverNote(handedOver, SeatArmies(game.setup));
        Keep();
        std::fprintf(stderr, "Seat %d: its computer opponent plays it from turn %ld on.\n", seat,
                     handedOver[seat]);
        ShowAwayBar();
        window.update();
    }

    const TGameSession& Game() const { return controller.Game(); }

    void Welcome(int seat) {
        if (!started) {
            waitingForGame.insert(seat);
            return;
        }
        // A guest that joins late follows from the start: the game as it
        // was set up, then every turn.
        transport.Send(seat, net::TWelcome{seat, armyOfSeat.at(seat), 1, setUpText, 1});
        for (const net::TTurnPlayed& turn : played) transport.Send(seat, turn);
        if (prompt && seatOfArmy.count(prompt->army) != 0 && seatOfArmy.at(prompt->army) == seat)
            transport.Send(seat, *prompt);
        if (over) transport.Send(seat, *over);
    }

    // Asks the army to move for its throw, if another screen plays it.
    void PromptNext() {
        prompt.reset();
        if (over || !controller.Playing()) return;
        const std::int32_t army = Game().board.armyToMove;
        if (seatOfArmy.count(army) == 0) return;
        prompt = net::TPrompt{controller.TurnNumber(), army, Game().turn.throwValue};
        transport.Send(seatOfArmy.at(army), *prompt);
    }

    void Heard(int seat, const net::TGuestMessage& message) {
        const std::int32_t army = armyOfSeat.at(seat);
        if (const auto* request = std::get_if<net::TThrowRequest>(&message)) {
            const long turn = controller.TurnNumber();
            if (controller.RemoteThrow(army, request->turn, static_cast<TDieFace>(request->face)) &&
                controller.TurnNumber() == turn)
                PromptNext();  // the throw stands: now the move on it
        } else if (const auto* drop = std::get_if<net::TDropRequest>(&message)) {
            if (!controller.RemoteDrop(army, drop->turn, drop->from, drop->to) && prompt &&
                prompt->army == army)
                transport.Send(seat, *prompt);  // refused: the guest is asked again
        }
    }

    void Keep() {
        if (over) return;
        kept.played = played;
        kept.handedOver = handedOver;
        kept.game = setUpText;
        if (!net::KeepBoardHostState(game.runningPath, kept))
            std::fprintf(stderr, "The hosted game's network side could not be kept.\n");
    }

    // Kept before the running game is, and told to the guests after.
    void TurnEnding(const TGameController::TPlayedTurn& turn) {
        played.push_back(
            net::TTurnPlayed{turn.turn, turn.army, turn.face, turn.missed, turn.from, turn.to});
        if (!turn.gameOver) Keep();
    }

    void TurnPlayed(const TGameController::TPlayedTurn& turn) {
        if (played.empty() || played.back().turn != turn.turn) return;
        transport.SendToAll(played.back());
        if (turn.gameOver) {
            over = net::TGameOver{turn.turn, turn.questionerWon ? "win" : "lose"};
            transport.SendToAll(*over);
            prompt.reset();
            ShowAwayBar();
            return;
        }
        PromptNext();
    }

    std::string setUpText;
    bool started = false;
};

TNetworkHost::~TNetworkHost() = default;

std::unique_ptr<TNetworkHost> TNetworkHost::Start(TKoravinWindow& window, TGameSession& game,
                                                  const THostedSeats& seats, std::string& problem) {
    return Host(window, game, seats, nullptr, problem);
}

std::unique_ptr<TNetworkHost> TNetworkHost::Continue(TKoravinWindow& window, TGameSession& game,
                                                     const net::THostState& kept,
                                                     std::string& problem) {
    return Host(window, game, THostedSeats{kept.port, kept.codes}, &kept, problem);
}

std::unique_ptr<TNetworkHost> TNetworkHost::Host(TKoravinWindow& window, TGameSession& game,
                                                 const THostedSeats& seats,
                                                 const net::THostState* resumed,
                                                 std::string& problem) {
    // A continued game is loaded only at the window's first paint: its
    // armies come from the set-up it kept.
    TSetUpRecord setUp = game.setup;
    if (resumed != nullptr) {
        TSavedGame saved;
        if (!ParseSavedGame(resumed->game, game.boardLetter, saved).Loaded()) {
            problem = "The hosted game's set-up cannot be read.";
            return nullptr;
        }
        setUp = saved.setUp;
    }
    net::THostIdentity identity;
    if (!net::LoadOrMakeHostIdentity(net::DefaultIdentityFolder(), identity, problem))
        return nullptr;
    auto host = std::unique_ptr<TNetworkHost>(new TNetworkHost);
    host->impl_ = std::make_unique<TImpl>(window, game, identity);
    TImpl& impl = *host->impl_;
    if (!impl.transport.Listen("0.0.0.0", seats.port, problem)) return nullptr;
    impl.kept.port = seats.port;
    impl.kept.codes = seats.codes;
    if (resumed != nullptr) impl.resumed = *resumed;
    const TSeatArmies armies = SeatArmies(setUp);
    for (const auto& [seat, code] : seats.codes) {
        impl.transport.OfferSeat(seat, code);
        impl.armyOfSeat[seat] = armies.army[seat];
        impl.seatOfArmy[armies.army[seat]] = seat;
        impl.controller.PlayArmyRemotely(armies.army[seat]);
    }
    impl.transport.onJoined = [&impl](int seat) {
        impl.away.erase(seat);
        impl.ShowAwayBar();
        impl.Welcome(seat);
    };
    impl.transport.onLeft = [&impl](int seat) {
        if (impl.over) return;
        impl.away.insert(seat);
        impl.ShowAwayBar();
    };
    impl.transport.onMessage = [&impl](int seat, const net::TGuestMessage& message) {
        impl.Heard(seat, message);
    };
    impl.transport.onLog = [](const std::string& sentence) {
        std::fprintf(stderr, "%s\n", sentence.c_str());
    };
    impl.controller.onTurnEnding = [&impl](const TGameController::TPlayedTurn& turn) {
        impl.TurnEnding(turn);
    };
    impl.controller.onTurnPlayed = [&impl](const TGameController::TPlayedTurn& turn) {
        impl.TurnPlayed(turn);
    };
    // The game is set up at the window's first paint: guests that came
    // earlier are welcomed then, and the first army asked.
    impl.ready.setInterval(100);
    QObject::connect(&impl.ready, &QTimer::timeout, [&impl] {
        if (impl.started || !impl.controller.Playing()) return;
        impl.started = true;
        impl.ready.stop();
        const TGameSession& session = impl.Game();
        if (impl.resumed) {
            // The guests hear on from the last turn the running game kept.
            if (!net::ContinueBoardHostState(*impl.resumed, impl.controller.TurnNumber())) {
                std::fprintf(stderr, "The hosted game's network side is behind its game.\n");
                std::exit(2);
            }
            impl.setUpText = impl.resumed->game;
            impl.played = impl.resumed->played;
            for (const auto& [seat, turn] : impl.resumed->handedOver) {
                impl.handedOver[seat] = turn;
                impl.controller.PlayArmyByComputer(impl.armyOfSeat.at(seat), HandOverCode(seat));
                impl.seatOfArmy.erase(impl.armyOfSeat.at(seat));
            }
            if (!impl.handedOver.empty())
                impl.game.answerNote = HandOverNote(impl.handedOver, SeatArmies(session.setup));
        } else {
            impl.setUpText = FormatSavedGame(session.boardLetter, session.board, session.setup,
                                             session.turn, session.reading);
        }
        // Kept before any turn, so that even a host killed on the first
        // goes on hosting.
        impl.Keep();
        for (const int seat : impl.waitingForGame) impl.Welcome(seat);
        impl.waitingForGame.clear();
        impl.PromptNext();
    });
    impl.ready.start();
    // A game closed or resigned here before its end is over for the guests
    // too; the last frame goes out before the program ends.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, [&impl] {
        if (impl.over) return;
        // A resignation ends the game lost with no turn to decide it.
        impl.over = net::TGameOver{impl.controller.TurnNumber() - 1,
                                   impl.controller.Resigned() ? "lose" : "unfinished"};
        impl.transport.SendToAll(*impl.over);
        QEventLoop flush;
        QTimer::singleShot(300, &flush, &QEventLoop::quit);
        flush.exec();
    });
    problem.clear();
    return host;
}

}  // namespace vaeloric
