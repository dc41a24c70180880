// SPDX-License-Identifier: GPL-3.0-or-later

// A board program that hosts keeps the network side of its game beside its
// running game after every turn. Killed at any moment of a turn, it is
// continued from what it left: the guests are told the same turns as in
// the game never interrupted, each once.
#include <random>

#include "flow/running_game.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "flow/seats.h"
#include "net/host_state.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

namespace fs = std::filesystem;

// Where in a turn the host dies.
enum class TKill { AfterTheTurn, BeforeTheGameIsKept };

class BoardHostContinue : public GameFlow {
  protected:
    // Army of seat 2 is played over the network; the others here. The host
    // keeps and tells as the board's host does.
    void StartHost(const std::string& interrupted) {
        game = std::make_unique<TGameSession>();
        game->boardLetter = 'W';
        game->runningPath = (folder / (interrupted.empty() ? "W-1.vae" : "W-2.vae")).string();
        game->mode = interrupted.empty() ? TStartMode::Launcher : TStartMode::Reload;
        game->reloadPath = game->interruptedPath = interrupted;
        if (interrupted.empty()) ParseLauncherArgument(kAllHuman, 'W', game->setup);
        told.clear();
        if (!interrupted.empty()) {
            std::string problem;
            ASSERT_TRUE(net::ReadBoardHostState(interrupted, kept, problem)) << problem;
        }
        controller = std::make_unique<TGameController>(layer, *game);
        remoteArmy = SeatArmies(interrupted.empty() ? game->setup : SetUpOf(kept.game)).army[2];
        controller->PlayArmyRemotely(remoteArmy);
        controller->Command(CmMoveReading);
        controller->onTurnEnding = [this](const TGameController::TPlayedTurn& turn) {
            kept.played.push_back(
                net::TTurnPlayed{turn.turn, turn.army, turn.face, turn.missed, turn.from, turn.to});
            ASSERT_TRUE(net::KeepBoardHostState(game->runningPath, kept));
            if (killAt == TKill::BeforeTheGameIsKept && turn.turn == killTurn) TakeWhatIsLeft();
        };
        controller->onTurnPlayed = [this](const TGameController::TPlayedTurn& turn) {
            told.push_back(kept.played.back());
            EXPECT_EQ(told.back().turn, turn.turn);
            if (killAt == TKill::AfterTheTurn && turn.turn == killTurn) TakeWhatIsLeft();
        };
        EXPECT_FALSE(controller->ReadyToDraw());
        ASSERT_TRUE(controller->Playing());
        if (interrupted.empty()) {
            kept = net::THostState{};
            kept.port = 40123;
            kept.codes = {{2, "ABCDEFGHJKLMNPQRSTUV"}};
            kept.game = FormatSavedGame('W', game->board, game->setup, game->turn, game->reading);
        } else {
            ASSERT_TRUE(net::ContinueBoardHostState(kept, controller->TurnNumber()));
        }
    }
    static TSetUpRecord SetUpOf(const std::string& text) {
        TSavedGame saved;
        EXPECT_TRUE(ParseSavedGame(text, 'W', saved).Loaded());
        return saved.setUp;
    }
    // The files a killed host leaves, as they are at this moment.
    void TakeWhatIsLeft() {
        toldBeforeKill = told;
        fs::create_directories(folder / "left");
        for (const std::string& path : {game->runningPath, RunningRecordFile(game->runningPath),
                                        RunningHostFile(game->runningPath)})
            if (fs::exists(path))
                fs::copy_file(path, folder / "left" / fs::path(path).filename(),
                              fs::copy_options::overwrite_existing);
    }
    // The turn at hand, the remote army's through its requests: the face of
    // the list, the middle legal move.
    void PlayTurn() {
        const long turn = controller->TurnNumber();
        const TDieFace face = faces[static_cast<std::size_t>(turn - 1)];
        const bool remote = Board().armyToMove == remoteArmy;
        if (remote)
            ASSERT_TRUE(controller->RemoteThrow(remoteArmy, turn, face));
        else
            Enter(face);
        if (controller->TurnNumber() != turn) return;  // a Miss Go
        TLegalMoveList list;
        ListLegalMoves(Board(), Board().armyToMove, face, list);
        ASSERT_FALSE(list.Empty());
        const TLegalMove move = list[list.Size() / 2];
        if (remote)
            ASSERT_TRUE(
                controller->RemoteDrop(remoteArmy, turn, move.from.Square(), move.to.Square()));
        else
            Drag(move.from.Square(), move.to.Square());
    }
    void PlayTo(long lastTurn) {
        while (controller->TurnNumber() <= lastTurn && !controller->Ended()) PlayTurn();
    }

    std::vector<TDieFace> faces;
    net::THostState kept;
    std::vector<net::TTurnPlayed> told;  // what the guests heard
    std::vector<net::TTurnPlayed> toldBeforeKill;
    std::int32_t remoteArmy = 0;
    TKill killAt = TKill::AfterTheTurn;
    long killTurn = 0;
};

bool Same(const net::TTurnPlayed& a, const net::TTurnPlayed& b) {
    return a.turn == b.turn && a.army == b.army && a.face == b.face && a.missed == b.missed &&
           SquaresEqual(a.from, b.from) && SquaresEqual(a.to, b.to);
}

TEST_F(BoardHostContinue, AHostKilledAnywhereInATurnTellsItsGuestsTheSameTurnsOnce) {
    std::mt19937 random(27);
    for (int i = 0; i < 24; ++i) faces.push_back(static_cast<TDieFace>(random() % 6 + 1));
    layer.boxAnswers.assign(100, TBoxAnswer::Ok);
    constexpr long kLast = 16;
    const struct {
        TKill kill;
        long turn;
        long goesOnWith;  // the turn the continued host plays first
    } cases[] = {
        {TKill::AfterTheTurn, 6, 7},
        {TKill::BeforeTheGameIsKept, 6, 6},
        {TKill::BeforeTheGameIsKept, 1, 1},
    };
    for (const auto& kill : cases) {
        SCOPED_TRACE(std::to_string(kill.turn) +
                     (kill.kill == TKill::AfterTheTurn ? " after" : " before kept"));
        fs::remove_all(folder / "left");
        // The game never interrupted, leaving files behind on the way.
        killAt = kill.kill;
        killTurn = kill.turn;
        StartHost("");
        PlayTo(kLast);
        const std::vector<net::TTurnPlayed> whole = told;
        ASSERT_GE(whole.size(), static_cast<std::size_t>(kLast));
        controller.reset();

        // The host continued from them: a guest that comes back hears the
        // turns kept, then the next ones as they are played.
        killTurn = 0;
        StartHost((folder / "left" / "W-1.vae").string());
        EXPECT_EQ(controller->TurnNumber(), kill.goesOnWith);
        // Nothing the guests heard is played again.
        EXPECT_GE(kept.played.size(), toldBeforeKill.size());
        std::vector<net::TTurnPlayed> heard = kept.played;
        PlayTo(kLast);
        heard.insert(heard.end(), told.begin(), told.end());
        ASSERT_EQ(heard.size(), whole.size());
        for (std::size_t i = 0; i < whole.size(); ++i)
            EXPECT_TRUE(Same(heard[i], whole[i])) << "turn " << whole[i].turn;
        // The continued host keeps under its own running file; no copy of
        // the seat codes is left behind.
        EXPECT_FALSE(fs::exists(folder / "left" / "W-1.host"));
        std::string problem;
        net::THostState again;
        ASSERT_TRUE(net::ReadBoardHostState(game->runningPath, again, problem)) << problem;
        EXPECT_EQ(again.codes, kept.codes);
        EXPECT_EQ(again.played.size(), whole.size());
        controller.reset();
        ForgetRunningGame(game->runningPath);
    }
}

TEST_F(BoardHostContinue, ANetworkSideBehindItsGameIsRefused) {
    net::THostState state;
    state.played = {net::TTurnPlayed{1, 1, 4, false, Sq(2, 1), Sq(4, 1)},
                    net::TTurnPlayed{2, 2, 3, true, TSquare{}, TSquare{}}};
    state.lines = {"a", "b"};
    EXPECT_FALSE(net::ContinueBoardHostState(state, 4));  // turn 3 was never kept
    EXPECT_TRUE(net::ContinueBoardHostState(state, 2));   // turn 2 was never told
    EXPECT_EQ(state.played.size(), 1u);
    EXPECT_EQ(state.nextTurn, 2);
}

TEST_F(BoardHostContinue, OnlyADamagedNetworkSideHasSomethingToSay) {
    const std::string running = (folder / "W-3.vae").string();
    net::THostState state;
    std::string problem = "stale";
    EXPECT_FALSE(net::ReadBoardHostState(running, state, problem));  // a one-screen game
    EXPECT_EQ(problem, "");
    ASSERT_EQ(WriteFileSafely(RunningHostFile(running), "port 7\n"), TFileOutcome::Done);
    EXPECT_FALSE(net::ReadBoardHostState(running, state, problem));
    EXPECT_NE(problem, "");
}

}  // namespace
}  // namespace vaeloric::testing
