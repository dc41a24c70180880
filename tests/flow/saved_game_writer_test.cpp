// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "flow/saved_game.h"
#include "flow/saved_game_texts.h"
#include "saved_game_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

const std::string kGoldenPath =
    std::string(VAELORIC_SOURCE_DIR) + "/tests/flow/data/saved_game_golden.vae";

TEST(SavedGameWriter, MatchesTheGoldenFileByteForByte) {
    const std::string written = Format(MidGame('W'), 'W');
    // Set VAELORIC_UPDATE_GOLDEN=1 to rewrite the file after a deliberate change.
    if (std::getenv("VAELORIC_UPDATE_GOLDEN") != nullptr) WriteWholeFile(kGoldenPath, written);
    EXPECT_EQ(written, ReadWholeFile(kGoldenPath));
}

TEST(SavedGameWriter, WritesTheFixedLinesInOrderWithCrLfEnds) {
    const std::string written = Format(MidGame('F'), 'F');
    const std::vector<std::string> lines = SplitLines(written);
    ASSERT_EQ(lines.size(), 185u);
    EXPECT_EQ(JoinLines(lines), written);  // every line ends in CR LF, no bare LF
    EXPECT_EQ(written.find('\n'), written.find("\r\n") + 1);

    const std::pair<int, const char*> fixed[] = {
        {1, ";Vaeloric Chess for Windows'95"},
        {2, "F"},
        {3, "27FAnna Grey"},
        {4, "VAELORIC CHESS - Will the harvest be good?"},
        {5, ";This is a game file which should not be edited/modified in any way!"},
        {6, ";Vaeloric Chess game file version 1.0a"},
        {7, "[STATUS]"},
        {8, ""},
        {9, "[USER]"},
        {10, "Anna Grey"},
        {11, "[USER2]"},
        {12, "hMary"},
        {13, "[USER3]"},
        {14, "o"},
        {15, "[USER4]"},
        {16, "a"},
        {17, "[ANALYSIS]"},
        {18, "0.5"},
        {19, "-0.125"},
        {20, "1e-07"},
        {21, "-0.2"},
        {22, "1"},
        {23, "0"},
        {24, "-3.5e-05"},
        {25, "0.123457"},
        {112, "[NEXTPLAYER]"},
        {113, "yellow"},
        {114, "[CHECKMATE]"},
        {115, "red=false"},
        {116, "black=true"},
        {117, "yellow=false"},
        {118, "blue=false"},
        {119, "[ONPTAH]"},
        {120, "YES"},
        {121, "[BOARDSTATE]"},
    };
    for (const auto& [number, text] : fixed)
        EXPECT_EQ(lines[number - 1], text) << "line " << number;

    // Fire board, Questioner in army 1: order HSRE, Ptah G2 gives black's
    // Queen and the Bishops of red and yellow their bonus.
    const std::pair<const char*, const char*> squares[] = {
        {"A8", "80|YH"},          {"B8", "30|YS"},          {"C8", "60|YB"},
        {"D8", "80|YE"},          {"E8", "-2147483647|  "}, {"G8", "13|GX"},
        {"H8", "100|G2"},         {"A7", "13|YX"},          {"D7", "14|YM"},
        {"G7", "11|GT"},          {"H7", "-2147483647|  "}, {"B6", "50|YR"},
        {"H6", "40|GB"},          {"C5", "80|BE"},          {"H5", "80|GE"},
        {"A4", "-2147483647|  "}, {"B4", "14|BM"},          {"A3", "40|BB"},
        {"G3", "13|RT"},          {"A2", "50|BS"},          {"G2", "-2147483647|  "},
        {"A1", "100|B2"},         {"B1", "13|BX"},          {"E1", "80|RE"},
        {"F1", "60|RB"},          {"G1", "30|RS"},          {"H1", "100|R2"},
    };
    for (const auto& [name, text] : squares) {
        const int file = name[0] - 'A' + 1, rank = name[1] - '0';
        EXPECT_EQ(lines[121 + (8 - rank) * 8 + (file - 1)], text) << name;
    }
}

TEST(SavedGameWriter, ActivationsInTheStreamsDefaultFloatFormat) {
    const std::pair<float, const char*> rows[] = {
        {0.5f, "0.5"},
        {-0.125f, "-0.125"},
        {1e-07f, "1e-07"},
        {0.0001f, "0.0001"},
        {0.00001f, "1e-05"},
        {123456.0f, "123456"},
        {1234567.0f, "1.23457e+06"},
        {-0.0f, "-0"},
        {0.1f, "0.1"},
        {-0.0649317f, "-0.0649317"},
    };
    for (const auto& [value, text] : rows) EXPECT_EQ(ActivationText(value), text);
}

TEST(SavedGameWriter, SeatLinesByPlayerCode) {
    // code, name, the line after [USER2] (the next header when there is none)
    const struct {
        std::int32_t code;
        const char* name;
        const char* line;
    } rows[] = {
        {Human, "Bob", "hBob"}, {Human, "", "h"}, {2, "ignored", "f"}, {8, "", "q"},
        {0, "Bob", "[USER3]"},  {9, "", "s"},     {10, "", "[USER3]"},
    };
    for (const auto& row : rows) {
        TGame game = MidGame('A');
        game.setUp.seatCode[2] = row.code;
        game.setUp.seatName[2] = row.name;
        const std::vector<std::string> lines = SplitLines(Format(game, 'A'));
        EXPECT_EQ(lines[11], row.line) << "code " << row.code;
        EXPECT_EQ(lines.size(), std::string(row.line) == "[USER3]" ? 184u : 185u);
    }
}

TEST(SavedGameWriter, OddPiecesAndTextsKeepTheLineStructure) {
    TGame game = MidGame('E');
    TPiece stray;
    stray.kind = Rook;
    stray.army = 7;  // not an army: value alone, no cell code
    stray.value = 80;
    game.board.PutPiece(8, 5, stray);
    game.setUp.questionerName = "Ann\r\nEve";
    game.setUp.caption = std::string("VAELORIC CHESS - one\ntwo\0three", 30);
    const std::vector<std::string> lines = SplitLines(Format(game, 'E'));
    ASSERT_EQ(lines.size(), 185u);
    EXPECT_EQ(lines[121 + 4], "80");
    EXPECT_EQ(lines[9], "Ann  Eve");
    EXPECT_EQ(lines[2], "27EAnn  Eve");
    EXPECT_EQ(lines[3], "VAELORIC CHESS - one two three");
}

TEST(SavedGameWriter, WritesThroughATemporaryFileAndReportsFailure) {
    const fs::path folder = FreshTempFolder("vaeloric-saved-writer");
    const std::string path = (folder / "game.vae").string();
    const TGame game = MidGame('W');

    WriteWholeFile(path, "old contents");
    const TSaveResult saved =
        WriteSavedGame(path, 'W', game.board, game.setUp, game.turn, game.reading);
    EXPECT_TRUE(saved.saved);
    EXPECT_TRUE(saved.message.empty());
    EXPECT_EQ(ReadWholeFile(path), Format(game, 'W'));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);

    const std::string missing = (folder / "no-such-folder" / "game.vae").string();
    const TSaveResult failed =
        WriteSavedGame(missing, 'W', game.board, game.setUp, game.turn, game.reading);
    EXPECT_FALSE(failed.saved);
    EXPECT_EQ(failed.message, "File could not be saved");
    EXPECT_FALSE(fs::exists(missing));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace vaeloric
