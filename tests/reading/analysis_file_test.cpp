// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/analysis_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace vaeloric {
namespace {

namespace fs = std::filesystem;

// Text mode reads the platform's line ends as '\n'.
std::string Contents(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

class AnalysisFile : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("vaeloric-analysis-" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                  "-" + std::to_string(std::random_device{}()));
        fs::remove_all(folder);
        path = (folder / "deeper" / "vaelfin.tmp").string();
    }
    void TearDown() override { fs::remove_all(folder); }

    fs::path folder;
    std::string path;
};

TEST(WrapReadingText, BreaksAtTheFirstBlankAtOrAfterTheWidth) {
    struct {
        std::string text;
        std::size_t width;
        std::string wrapped;
    } cases[] = {
        {"aaaa bbbb cccc", 6, "aaaa bbbb\ncccc"},
        {"aaaaaa bbb", 6, "aaaaaa\nbbb"},        // the blank right at the width
        {"aaaaa bbb ccc", 6, "aaaaa bbb\nccc"},  // at column 5 the blank is still written
        {"ab\ncdefgh ij", 6, "ab\ncdefgh\nij"},  // a line feed restarts the count
        {"aaaaaaaa  b", 6, "aaaaaaaa\n b"},      // the break restarts the count
        {std::string(100, 'x') + "\n", 60, std::string(100, 'x') + "\n"},
    };
    for (const auto& c : cases) EXPECT_EQ(WrapReadingText(c.text, c.width), c.wrapped) << c.text;
    EXPECT_EQ(WrapReadingText(std::string(3100, 'y'), 80).size(), 3000u);
}

// The answer wraps the game text at 60 columns, the unfinished game at 80:
// a blank in the 59th or 60th column stays, one in the 61st breaks the line
// (likewise 79, 80 and 81).
TEST(WrapReadingText, AnswerAtSixtyUnfinishedAtEighty) {
    const auto line = [](std::size_t column, char blank) {
        return std::string(column - 1, 'x') + blank + "end";
    };
    for (const std::size_t width : {std::size_t{60}, std::size_t{80}}) {
        for (const std::size_t column : {width - 1, width, width + 1}) {
            const std::string text = "\n" + line(column, ' ') + "\n";
            const std::string expected = "\n" + line(column, column > width ? '\n' : ' ') + "\n";
            const std::string written =
                width == 60 ? GameAnswerText("Ann", "Why?", true, text) : UnfinishedGameText(text);
            EXPECT_NE(written.find(expected), std::string::npos) << width << " " << column;
        }
    }
}

TEST_F(AnalysisFile, GameAnswerLines) {
    TSetUpRecord setUp;
    setUp.questionerName = "Ann";
    setUp.caption = "VAELORIC CHESS - Will it rain?";
    TReadingRecord record;
    record.gameText =
        "\nKETHER. The Crown, first of the sephiroth, where all things begin in a single "
        "point.\n\n";
    ASSERT_EQ(WriteGameAnswer(setUp, record, true, false, path), TAnalysisWrite::Written);
    EXPECT_EQ(Contents(path),
              "At the beginning of the game Ann asked:\n"
              "[Will it rain?]\n"
              "Because you won the game it is a FAVOURABLE ANSWER to the question.\n"
              "\n"
              "Neural net analysis of the game:\n"
              "\n"
              "\n"
              // The blank at column 59 is still written; the next one breaks.
              "KETHER. The Crown, first of the sephiroth, where all things begin\n"
              "in a single point.\n\n\n");

    ASSERT_EQ(WriteGameAnswer(setUp, record, false, false, path), TAnalysisWrite::Written);
    EXPECT_NE(Contents(path).find("\nBecause you lost the game it is an UNFAVOURABLE ANSWER to the "
                                  "question.\n\nNeural net"),
              std::string::npos);
}

TEST_F(AnalysisFile, UnfinishedGameLines) {
    TReadingRecord record;
    record.gameText =
        "\nKETHER. The Crown, first of the sephiroth, where all things begin in a single "
        "point of light.\n\n";
    ASSERT_EQ(WriteUnfinishedGame(record, false, path), TAnalysisWrite::Written);
    EXPECT_EQ(
        Contents(path),
        "The game was ended prematurely, so there is no win or lose.\n"
        "\n"
        "Neural net analysis of the game:\n"
        "\n"
        "\n"
        "KETHER. The Crown, first of the sephiroth, where all things begin in a single point\n"
        "of light.\n\n");
}

TEST_F(AnalysisFile, DemonstrationWritesNothing) {
    TReadingRecord record;
    EXPECT_EQ(WriteGameAnswer(TSetUpRecord{}, record, true, true, path), TAnalysisWrite::Skipped);
    EXPECT_EQ(WriteUnfinishedGame(record, true, path), TAnalysisWrite::Skipped);
    EXPECT_FALSE(fs::exists(path));
}

TEST_F(AnalysisFile, CancelledIsOneWord) {
    ASSERT_EQ(WriteCancelledAnalysis(path), TAnalysisWrite::Written);
    EXPECT_EQ(Contents(path), "CANCELLED");
}

TEST_F(AnalysisFile, UnwritablePlaceIsReportedAndTheOldFileKept) {
    fs::create_directories(folder);
    const fs::path blocker = folder / "plain-file";
    std::ofstream(blocker) << "old";
    TReadingRecord record;
    EXPECT_EQ(WriteUnfinishedGame(record, false, (blocker / "vaelfin.tmp").string()),
              TAnalysisWrite::Failed);
    EXPECT_EQ(WriteGameAnswer(TSetUpRecord{}, record, true, false, ""), TAnalysisWrite::Failed);
    EXPECT_EQ(Contents(blocker), "old");
}

#ifndef _WIN32
TEST(AnalysisFilePath, OverrideThenStateFolder) {
    // The test runner sets VAELORIC_ANALYSIS_FILE; put it back afterwards.
    const std::string runner =
        std::getenv("VAELORIC_ANALYSIS_FILE") ? std::getenv("VAELORIC_ANALYSIS_FILE") : "";
    setenv("VAELORIC_ANALYSIS_FILE", "/tmp/x/answer.tmp", 1);
    EXPECT_EQ(AnalysisFilePath(), "/tmp/x/answer.tmp");
    unsetenv("VAELORIC_ANALYSIS_FILE");
    setenv("XDG_STATE_HOME", "/var/state", 1);
    EXPECT_EQ(AnalysisFilePath(), "/var/state/vaeloric/vaelfin.tmp");
    setenv("XDG_STATE_HOME", "relative", 1);  // not absolute: ignored
    setenv("HOME", "/home/u", 1);
    EXPECT_EQ(AnalysisFilePath(), "/home/u/.local/state/vaeloric/vaelfin.tmp");
    unsetenv("XDG_STATE_HOME");
    if (!runner.empty()) setenv("VAELORIC_ANALYSIS_FILE", runner.c_str(), 1);
}
#endif

}  // namespace
}  // namespace vaeloric
