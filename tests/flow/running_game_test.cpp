// SPDX-License-Identifier: GPL-3.0-or-later

// The game kept on disk after every turn: a program killed at any turn
// leaves a file that a reload continues to the same end as a game never
// interrupted, and a game ended or closed normally leaves nothing.
#include "flow/running_game.h"

#include <random>

#include "flow/game_record.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

class RunningGame : public GameFlow {
  protected:
    std::string RunningPath() const { return (folder / "W-1.vae").string(); }
    void StartKept(TStartMode mode) {
        game = std::make_unique<TGameSession>();
        game->mode = mode;
        game->boardLetter = 'W';
        game->runningPath = RunningPath();
        game->interruptedPath = interrupted;
        if (mode == TStartMode::Launcher) ParseLauncherArgument(kAllHuman, 'W', game->setup);
        controller = std::make_unique<TGameController>(layer, *game);
        EXPECT_FALSE(controller->ReadyToDraw());
    }
    // One turn with the face of the throw list: the middle legal move, or a
    // Miss Go.
    void PlayTurn(TDieFace face) {
        Enter(face);
        if (Turn().throwValue == 0) return;  // a Miss Go ended the turn
        TLegalMoveList list;
        ListLegalMoves(Board(), Board().armyToMove, face, list);
        ASSERT_FALSE(list.Empty());
        const TLegalMove move = list[list.Size() / 2];
        Drag(move.from.Square(), move.to.Square());
    }
    std::string Saved() const {
        return FormatSavedGame('W', game->board, game->setup, game->turn, game->reading);
    }
    std::string interrupted;
};

TEST_F(RunningGame, AGameKilledAtAnyTurnContinuesToTheSameEnd) {
    std::mt19937 random(2026);
    std::vector<TDieFace> throws;
    for (int i = 0; i < 40; ++i) throws.push_back(static_cast<TDieFace>(random() % 6 + 1));
    layer.boxAnswers.assign(200, TBoxAnswer::Ok);

    // The game played through, with what is on disk after every turn.
    StartKept(TStartMode::Launcher);
    controller->Command(CmMoveReading);  // no reading dialogs to count
    const std::string runningRecord = RunningRecordFile(RunningPath());
    std::vector<std::string> onDisk{Contents(RunningPath())};
    std::vector<std::string> recordOnDisk{Contents(runningRecord)};
    for (TDieFace face : throws) {
        PlayTurn(face);
        onDisk.push_back(Contents(RunningPath()));
        recordOnDisk.push_back(Contents(runningRecord));
        if (controller->Ended()) break;
    }
    ASSERT_FALSE(controller->Ended());
    const std::string whole = Saved();
    const std::string wholeRecord = FormatRecord(controller->Record());
    ASSERT_EQ(recordOnDisk.back(), wholeRecord);
    // Closed at the end: the analysis file of the game.
    layer.boxAnswers.assign(3, TBoxAnswer::No);
    ASSERT_TRUE(controller->CanClose());
    const std::string analysis = AnalysisText();
    ASSERT_NE(analysis, "(none)");

    // Killed after turn k: what is on disk is all there is. The next reload
    // offers it and plays on with the same throws.
    for (const std::size_t k :
         {std::size_t{0}, std::size_t{1}, std::size_t{7}, std::size_t{23}, onDisk.size() - 2}) {
        SCOPED_TRACE(k);
        const std::string left = (folder / "W-99.vae").string();
        ASSERT_TRUE(SafeWriteFile(left, onDisk[k]));
        ASSERT_TRUE(SafeWriteFile(RunningRecordFile(left), recordOnDisk[k]));
        ForgetRunningGame(RunningPath());
        layer = TFakeWindowLayer{};
        layer.boxAnswers.assign(1, TBoxAnswer::Yes);
        interrupted = left;
        StartKept(TStartMode::Reload);
        ASSERT_EQ(layer.boxes.size(), 1u);
        EXPECT_EQ(layer.boxes[0].text,
                  "Continue the interrupted game: Will it rain?, Water board, "
                  "turn " +
                      std::to_string(k + 1) + "?");
        ASSERT_TRUE(controller->Playing());
        // Taken over with its record: the interrupted files go, this
        // program's files hold them.
        EXPECT_FALSE(std::filesystem::exists(left));
        EXPECT_FALSE(std::filesystem::exists(RunningRecordFile(left)));
        EXPECT_EQ(Contents(RunningPath()), onDisk[k]);
        EXPECT_EQ(Contents(runningRecord), recordOnDisk[k]);
        controller->Command(CmMoveReading);
        layer.boxAnswers.assign(200, TBoxAnswer::Ok);
        for (std::size_t turn = k; turn + 1 < onDisk.size(); ++turn) PlayTurn(throws[turn]);
        EXPECT_EQ(Saved(), whole);
        EXPECT_EQ(Contents(RunningPath()), onDisk.back());
        EXPECT_EQ(FormatRecord(controller->Record()), wholeRecord);
        std::filesystem::remove(AnalysisPath());
        layer.boxAnswers.assign(3, TBoxAnswer::No);
        ASSERT_TRUE(controller->CanClose());
        EXPECT_EQ(AnalysisText(), analysis);
    }
}

TEST_F(RunningGame, AGameEndedOrClosedNormallyLeavesNothing) {
    // Closed with the close box, its save declined.
    StartKept(TStartMode::Launcher);
    PlayTurn(6);
    EXPECT_TRUE(std::filesystem::exists(RunningPath()));
    EXPECT_TRUE(std::filesystem::exists(RunningRecordFile(RunningPath())));
    layer.boxAnswers.assign(3, TBoxAnswer::No);
    EXPECT_TRUE(controller->CanClose());
    EXPECT_FALSE(std::filesystem::exists(RunningPath()));
    EXPECT_FALSE(std::filesystem::exists(RunningRecordFile(RunningPath())));

    // Resigned: the window's close request, then the close.
    layer = TFakeWindowLayer{};
    StartKept(TStartMode::Launcher);
    PlayTurn(6);
    EXPECT_TRUE(std::filesystem::exists(RunningPath()));
    controller->Command(CmResign);
    EXPECT_EQ(layer.closeRequests, 1);
    layer.boxAnswers.assign(3, TBoxAnswer::No);
    EXPECT_TRUE(controller->CanClose());
    EXPECT_FALSE(std::filesystem::exists(RunningPath()));
    EXPECT_FALSE(std::filesystem::exists(RunningRecordFile(RunningPath())));
}

TEST_F(RunningGame, ADeclinedOfferLeavesTheGameForLater) {
    const std::string left = (folder / "W-98.vae").string();
    StartKept(TStartMode::Launcher);
    PlayTurn(6);
    ASSERT_TRUE(SafeWriteFile(left, Contents(RunningPath())));
    layer = TFakeWindowLayer{};
    interrupted = left;
    layer.boxAnswers.assign(1, TBoxAnswer::No);
    layer.openScript.push_back(std::nullopt);  // the open dialog cancelled
    StartKept(TStartMode::Reload);
    ASSERT_EQ(layer.boxes.size(), 1u);
    EXPECT_TRUE(std::filesystem::exists(left));
    // A file that is no game of this board is not offered.
    layer = TFakeWindowLayer{};
    ASSERT_TRUE(SafeWriteFile(left, "not a game"));
    layer.openScript.push_back(std::nullopt);
    StartKept(TStartMode::Reload);
    EXPECT_TRUE(layer.boxes.empty());
}

}  // namespace
}  // namespace vaeloric::testing
