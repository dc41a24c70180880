// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/outcome.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "flow/analysis_file.h"
#include "launch/game_request.h"

namespace vaeloric {
namespace {

namespace fs = std::filesystem;

const std::string kGameText =
    "The Questioner's significator stands strong. Fire rules the end of the game, and the "
    "Tower warns of a sudden change.\nA second paragraph with a verylongwordthatrunsonandon.";

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

TEST(AnalysisReader, EveryFormTheBoardProgramsWrite) {
    for (bool crlf : {false, true}) {
        const auto form = [&](const std::string& text) { return crlf ? WithCrLf(text) : text; };
        const TAnalysisReading won =
            ReadAnalysisText(form(GameAnswerText("Ann", "Will [it] rain?", true, kGameText)));
        EXPECT_EQ(won.outcome, TOutcome::Favourable);
        EXPECT_EQ(won.questionerName, "Ann");
        EXPECT_EQ(won.question, "Will [it] rain?");
        EXPECT_EQ(won.analysis + "\n", WrapReadingText(kGameText, 60) + "\n");

        const TAnalysisReading lost =
            ReadAnalysisText(form(GameAnswerText("", "", false, "No moves made.")));
        EXPECT_EQ(lost.outcome, TOutcome::Unfavourable);
        EXPECT_EQ(lost.analysis, "No moves made.");

        const TAnalysisReading early = ReadAnalysisText(form(UnfinishedGameText(kGameText)));
        EXPECT_EQ(early.outcome, TOutcome::Unfinished);
        EXPECT_EQ(early.analysis, WrapReadingText(kGameText, 80));
        EXPECT_EQ(OutcomeHeadline(early.outcome),
                  "No answer: the game was ended before it was decided");

        EXPECT_EQ(ReadAnalysisText(form("CANCELLED")).outcome, TOutcome::Cancelled);
        EXPECT_EQ(ReadAnalysisText(form("CANCELLED\n")).outcome, TOutcome::Cancelled);
    }
}

TEST(AnalysisReader, DamagedTextIsFailedWithAReason) {
    const std::string answer = GameAnswerText("Ann", "Q?", true, kGameText);
    const std::string header = answer.substr(0, answer.find("Neural net") + 32);
    // Every cut before the analysis begins is refused.
    for (std::size_t cut = 0; cut < header.size(); ++cut) {
        const TAnalysisReading reading = ReadAnalysisText(answer.substr(0, cut));
        EXPECT_EQ(reading.outcome, TOutcome::Failed) << cut;
        EXPECT_FALSE(reading.problem.empty());
    }
    for (const std::string& bytes :
         {std::string("CANCELLED please"), std::string("\0\0\0", 3), std::string("\n\n\n"),
          answer.substr(0, 30) + std::string(1, '\0') + answer.substr(30),
          std::string("At the beginning of the game  asked:\n[]\nMaybe.\n")})
        EXPECT_EQ(ReadAnalysisText(bytes).outcome, TOutcome::Failed);
    std::mt19937 random(3);
    for (int i = 0; i < 2000; ++i) {
        std::string bytes(random() % 400, '\0');
        for (char& c : bytes) c = static_cast<char>(random());
        if (i % 2) bytes = answer.substr(0, random() % answer.size()) + bytes;
        ReadAnalysisText(bytes);  // must simply return
    }
}

class AnalysisFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder = fs::temp_directory_path() / (std::string("vaeloric-launch-") + info->name() + "-" +
                                              std::to_string(std::random_device{}()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::string Write(const std::string& name, const std::string& bytes) {
        std::ofstream((folder / name).string(), std::ios::binary) << bytes;
        return (folder / name).string();
    }
    fs::path folder;
};

TEST_F(AnalysisFiles, OnlyRegularFilesOfSaneSizeAreRead) {
    EXPECT_EQ(ReadAnalysisFile(Write("good", UnfinishedGameText("x"))).outcome,
              TOutcome::Unfinished);
    EXPECT_EQ(ReadAnalysisFile((folder / "missing").string()).problem,
              "the answer file: there is no such file");
    EXPECT_EQ(ReadAnalysisFile(folder.string()).outcome, TOutcome::Failed);
    const std::string huge =
        Write("huge", UnfinishedGameText("x") + std::string(kMaxAnalysisBytes, 'x'));
    EXPECT_EQ(ReadAnalysisFile(huge).problem, "the answer file: it is far too large");
#ifndef _WIN32
    // Nobody writes into this pipe: reading it would wait for ever.
    const std::string fifo = (folder / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(ReadAnalysisFile(fifo).problem, "the answer file: it is not a regular file");
#endif
}

TProcessEnd End(bool started, bool crashed, int status, const std::string& errorOutput) {
    TProcessEnd end;
    end.started = started;
    end.crashed = crashed;
    end.exitStatus = status;
    end.errorOutput = errorOutput;
    return end;
}

TEST_F(AnalysisFiles, ProcessEndAndFileGiveTheOutcomeAndOneSentence) {
    const std::string answer = Write("answer", GameAnswerText("Ann", "Q?", false, "x"));
    const std::string cancelled = Write("cancelled", "CANCELLED");
    const std::string missing = (folder / "missing").string();
    struct TCase {
        TProcessEnd end;
        std::string path;
        TOutcome outcome;
        std::string sentence;
    } cases[] = {
        {End(true, false, 0, ""), answer, TOutcome::Unfavourable, ""},
        {End(true, false, 0, ""), cancelled, TOutcome::Cancelled, ""},
        {End(true, true, 9, ""), answer, TOutcome::Unfavourable, ""},
        {End(true, true, 9, ""), missing, TOutcome::Failed,
         "The board program marisel was stopped by signal 9 before the game was decided; it is "
         "kept as unfinished."},
        {End(true, true, 11, ""), cancelled, TOutcome::Failed,
         "The board program marisel was stopped by signal 11 before the game was decided; it is "
         "kept as unfinished."},
        {End(true, false, 2, "Seat 3 has no player.\nmore"), missing, TOutcome::Failed,
         "The board program marisel stopped with exit status 2: Seat 3 has no player."},
        {End(true, false, 0, ""), missing, TOutcome::Failed,
         "The board program marisel ended (exit status 0), but its answer could not be read: "
         "the answer file: there is no such file."},
        {End(false, false, 0, "No such file"), answer, TOutcome::Failed,
         "The board program marisel could not be started: No such file"},
    };
    for (const TCase& test : cases) {
        const TGameEnd end = JudgeGameEnd(test.end, test.path, "marisel");
        EXPECT_EQ(end.reading.outcome, test.outcome) << test.sentence;
        EXPECT_EQ(end.sentence, test.sentence);
    }
}

TEST_F(AnalysisFiles, ASavedGameIsContinuedOnItsOwnBoardOrRefused) {
    TGameRequest request;
    EXPECT_EQ(SavedGameRequest(Write("text.vae", "hello\n"), "now", request)
                  .rfind("This is not a saved game the board programs can load: ", 0),
              0u);
    EXPECT_EQ(SavedGameRequest(folder.string(), "now", request),
              "This saved game cannot be opened: it is not a regular file.");
    const std::string sample =
        std::string(VAELORIC_SAMPLES_DIR) + "/board-F-C3-seed202-limit140/game.vae";
    ASSERT_EQ(SavedGameRequest(sample, "now", request), "");
    EXPECT_EQ(request.program, "ignisel");
    EXPECT_EQ(request.arguments, std::vector<std::string>{"*" + sample});
    EXPECT_EQ(request.entry.savedGame, sample);
}

}  // namespace
}  // namespace vaeloric
