// SPDX-License-Identifier: GPL-3.0-or-later

// The board program's game record: written at every turn beside the analysis
// file, always a sound record of the game so far, and carried on by a reload.
#include <filesystem>
#include <memory>
#include <random>

#include "flow/game_record.h"
#include "flow/record_play.h"
#include "flow/safe_file.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

class RecordFlow : public GameFlow {
  protected:
    std::string RecordPath() const { return (folder / "vaelfin.vrec").string(); }

    // The record file read back through the strict reader.
    TGameRecord ReadBack(const std::string& path) {
        TGameRecord record;
        const TRecordReadResult result = ReadRecordFile(path, record);
        EXPECT_TRUE(result.ok) << result.message;
        return record;
    }

    // Plays `turns` turns: human armies take a random legal move, computers
    // move with the MOVE button; resigning is refused. After each, the file
    // holds the game so far (read back after each of the first 40 turns, then
    // every 50th and at the end, to keep long games quick).
    void PlayTurns(std::minstd_rand& random, int turns) {
        for (int played = 0; played < turns && !layer.destroyed; ++played) {
            const std::int32_t army = Board().armyToMove;
            layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::No, TBoxAnswer::No};
            const TDieFace face = static_cast<std::int32_t>(random() % 6 + 1);
            TLegalMoveList legal;
            ListLegalMoves(Board(), army, face, legal);
            Enter(face);
            if (Turn().throwValue != 0) {
                if (Board().GetPlayerCode(army) == Human) {
                    const TLegalMove move = legal[static_cast<int>(random() % legal.Size())];
                    Drag(move.from.Square(), move.to.Square());
                } else {
                    MoveButton();
                }
            }
            if (played >= 40 && played % 50 != 49 && played + 1 < turns && !layer.destroyed)
                continue;
            const TGameRecord read = ReadBack(RecordPath());
            ASSERT_EQ(read.turns.size(), controller->Record().turns.size());
            ASSERT_EQ(FormatRecord(read), FormatRecord(controller->Record()));
        }
    }
};

TEST_F(RecordFlow, EveryTurnIsWrittenAndReadsBackAsTheSameGame) {
    StartLauncher(kVersusComputers);
    // The header alone before the first throw.
    TGameRecord read = ReadBack(RecordPath());
    EXPECT_TRUE(read.turns.empty());
    EXPECT_EQ(read.question, "Will it rain?");
    EXPECT_EQ(read.seatCode[1], Human);
    EXPECT_EQ(read.seatName[1], "Ann");
    EXPECT_TRUE(read.start.empty());
    std::minstd_rand random(11);
    PlayTurns(random, 40);
    read = ReadBack(RecordPath());
    EXPECT_EQ(read.turns.size(), 40u);
    for (std::size_t t = 0; t < read.turns.size(); ++t)
        EXPECT_EQ(read.turns[t].number, long(t + 1));
}

TEST_F(RecordFlow, FourHumansToTheEndOfTheGame) {
    for (unsigned seed : {28u, 29u}) {
        layer = TFakeWindowLayer{};
        StartLauncher(kAllHuman);
        std::minstd_rand random(seed);
        PlayTurns(random, 500);
        if (!layer.destroyed) continue;
        const TGameRecord read = ReadBack(RecordPath());
        EXPECT_NE(read.result, TRecordResult::Unfinished) << seed;
        EXPECT_NE(read.reason, TRecordReason::None) << seed;
        return;
    }
    ADD_FAILURE() << "no game ended";
}

TEST_F(RecordFlow, AReloadGoesOnWithTheRecordBesideTheSavedGame) {
    StartLauncher(kVersusComputers);
    std::minstd_rand random(5);
    PlayTurns(random, 12);
    ASSERT_FALSE(layer.destroyed);
    const std::string saved = (folder / "game.vae").string();
    layer.saveScript = {saved};
    layer.boxAnswers = {TBoxAnswer::Ok};
    ASSERT_TRUE(controller->SaveAs());
    const std::string beside = (folder / "game.vrec").string();
    EXPECT_EQ(FormatRecord(ReadBack(beside)), FormatRecord(controller->Record()));
    const std::string before = FormatRecord(controller->Record());

    // Another program, another day: the record goes on from turn 13.
    std::filesystem::remove(RecordPath());
    layer = TFakeWindowLayer{};
    reloadPath = saved;
    Start(TStartMode::Reload);
    ASSERT_FALSE(layer.destroyed);
    EXPECT_EQ(FormatRecord(controller->Record()), before);
    EXPECT_EQ(FormatRecord(ReadBack(RecordPath())), before);
    PlayTurns(random, 5);
    const TGameRecord read = ReadBack(RecordPath());
    EXPECT_EQ(read.turns.size(), 17u);
    EXPECT_TRUE(read.start.empty());
    // The first twelve turns as they were.
    EXPECT_EQ(FormatRecord(read).substr(0, before.size()), before);
}

TEST_F(RecordFlow, WithoutItsRecordAReloadStartsOneFromTheSavedPosition) {
    StartLauncher(kVersusComputers);
    std::minstd_rand random(9);
    PlayTurns(random, 8);
    const std::string saved = (folder / "game.vae").string();
    layer.saveScript = {saved};
    layer.boxAnswers = {TBoxAnswer::Ok};
    ASSERT_TRUE(controller->SaveAs());
    std::filesystem::remove(folder / "game.vrec");
    std::filesystem::remove(RecordPath());

    layer = TFakeWindowLayer{};
    reloadPath = saved;
    Start(TStartMode::Reload);
    ASSERT_FALSE(layer.destroyed);
    EXPECT_TRUE(controller->Record().turns.empty());
    EXPECT_FALSE(controller->Record().start.empty());
    PlayTurns(random, 6);
    const TGameRecord read = ReadBack(RecordPath());
    EXPECT_EQ(read.turns.size(), 6u);
    EXPECT_FALSE(read.start.empty());
}

// A record opened in the board program's reload goes on from its last turn;
// a damaged one is refused with its line, and the dialog comes back.
TEST_F(RecordFlow, AReloadOfARecordGoesOnFromItsLastTurn) {
    StartLauncher(kVersusComputers);
    std::minstd_rand random(7);
    PlayTurns(random, 10);
    ASSERT_FALSE(layer.destroyed);
    const std::string record = (folder / "sent.vrec").string();
    std::filesystem::copy_file(RecordPath(), record);
    const std::string before = FormatRecord(controller->Record());
    const TBoard board = Board();
    const std::string damaged = (folder / "damaged.vrec").string();
    std::string text = before;
    text.back() = text.back() == '0' ? '1' : '0';  // the last check digit
    ASSERT_TRUE(SafeWriteFile(damaged, text));

    std::filesystem::remove(RecordPath());
    layer = TFakeWindowLayer{};
    layer.openScript = {damaged, record};
    Start(TStartMode::Reload);
    ASSERT_FALSE(layer.destroyed);
    ASSERT_EQ(layer.boxes.size(), 1u);
    EXPECT_EQ(layer.boxes[0].title, "Incorrect File");
    EXPECT_NE(layer.boxes[0].text.find("Line"), std::string::npos) << layer.boxes[0].text;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            EXPECT_EQ(Board().GetPiece(rank, file), board.GetPiece(rank, file)) << rank << file;
    EXPECT_EQ(Board().armyToMove, board.armyToMove);
    EXPECT_EQ(FormatRecord(controller->Record()), before);
    PlayTurns(random, 3);
    EXPECT_EQ(ReadBack(RecordPath()).turns.size(), 13u);
}

// A demonstration game writes no record file, but keeps the record.
TEST_F(RecordFlow, ADemonstrationKeepsItsRecordInMemoryOnly) {
    Start(TStartMode::Demonstration);
    std::minstd_rand random(3);
    for (int turn = 0; turn < 4 && !layer.destroyed; ++turn) {
        layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::No};
        Enter(static_cast<std::int32_t>(random() % 6 + 1));
        if (Turn().throwValue != 0) {
            TLegalMove move;
            if (Board().GetPlayerCode(Board().armyToMove) == Human) {
                ASSERT_TRUE(FirstLegalMove(Turn().throwValue, move));
                Drag(move.from.Square(), move.to.Square());
            } else {
                MoveButton();
            }
        }
    }
    EXPECT_EQ(controller->Record().turns.size(), 4u);
    EXPECT_EQ(controller->Record().question, game->setup.Question());
    EXPECT_FALSE(std::filesystem::exists(RecordPath()));
}

}  // namespace
}  // namespace vaeloric::testing

namespace vaeloric::testing {
namespace {

void SetVariable(const char* name, const std::string& value) {
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    if (value.empty())
        unsetenv(name);
    else
        setenv(name, value.c_str(), 1);
#endif
}

TEST(RecordPaths, BesideTheAnalysisFileUnlessTheLauncherChoosesAnother) {
    const char* analysis = std::getenv("VAELORIC_ANALYSIS_FILE");
    const std::string kept = analysis ? analysis : "";
    SetVariable("VAELORIC_ANALYSIS_FILE", "/tmp/x.d/answer.tmp");
    SetVariable("VAELORIC_RECORD_FILE", "");
    EXPECT_EQ(RecordFilePath(), "/tmp/x.d/answer.vrec");
    SetVariable("VAELORIC_RECORD_FILE", "/tmp/games/this.vrec");
    EXPECT_EQ(RecordFilePath(), "/tmp/games/this.vrec");
    SetVariable("VAELORIC_RECORD_FILE", "");
    SetVariable("VAELORIC_ANALYSIS_FILE", kept);

    EXPECT_EQ(RecordBesideSavedGame("/home/a/b.c/game.vae"), "/home/a/b.c/game.vrec");
    EXPECT_EQ(RecordBesideSavedGame("/home/a/b.c/game"), "/home/a/b.c/game.vrec");
    EXPECT_EQ(RecordBesideSavedGame("/home/a/.hidden"), "/home/a/.hidden.vrec");
}

}  // namespace
}  // namespace vaeloric::testing
