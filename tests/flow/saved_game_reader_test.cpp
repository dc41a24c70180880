// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "flow/saved_game.h"
#include "reading/network.h"
#include "saved_game_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;

constexpr char kBoards[] = {'W', 'A', 'E', 'F'};

// The game a file holds, loaded into fresh records.
struct TLoaded {
    TLoadResult result;
    TGame game;
};

TLoaded Parse(const std::string& bytes, char boardLetter) {
    TLoaded loaded;
    TSavedGame parsed;
    loaded.result = ParseSavedGame(bytes, boardLetter, parsed);
    if (loaded.result.Loaded())
        CommitSavedGame(parsed, loaded.game.board, loaded.game.setUp, loaded.game.turn,
                        loaded.game.reading);
    return loaded;
}

void ExpectSameGame(const TGame& expected, const TGame& actual) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            EXPECT_EQ(actual.board.At(rank, file), expected.board.At(rank, file))
                << rank << "/" << file;
    EXPECT_EQ(actual.board.armyToMove, expected.board.armyToMove);
    EXPECT_EQ(actual.board.questionerArmy, expected.board.questionerArmy);
    EXPECT_EQ(actual.board.elementCode, expected.board.elementCode);
    EXPECT_STREQ(actual.board.orderString, expected.board.orderString);
    for (int army = 1; army <= 4; ++army) {
        EXPECT_EQ(actual.board.GetPlayerCode(army), expected.board.GetPlayerCode(army));
        EXPECT_EQ(actual.turn.checkmated[army], expected.turn.checkmated[army]);
    }
    EXPECT_TRUE(SquaresEqual(actual.setUp.ptah, expected.setUp.ptah));
    EXPECT_EQ(actual.setUp.boardLetter, expected.setUp.boardLetter);
    EXPECT_EQ(actual.setUp.questionerName, expected.setUp.questionerName);
    EXPECT_EQ(actual.setUp.caption, expected.setUp.caption);
    for (int seat = 2; seat <= 4; ++seat) {
        EXPECT_EQ(actual.setUp.seatCode[seat], expected.setUp.seatCode[seat]);
        if (expected.setUp.seatCode[seat] == Human) {
            EXPECT_EQ(actual.setUp.seatName[seat], expected.setUp.seatName[seat]);
        }
    }
    EXPECT_EQ(actual.turn.ptahReached, expected.turn.ptahReached);
    for (int i = 0; i < kUnitCount; ++i) {
        const float want = expected.reading.gameActivation[i];
        EXPECT_NEAR(actual.reading.gameActivation[i], want,
                    6e-6f * std::max(1e-6f, std::fabs(want)))
            << "unit " << i;
    }
}

TEST(SavedGameReader, WritingThenReadingReproducesTheGameOnEveryBoard) {
    for (char letter : kBoards) {
        const TGame saved = MidGame(letter);
        const TLoaded loaded = Parse(Format(saved, letter), letter);
        ASSERT_TRUE(loaded.result.Loaded()) << loaded.result.message;
        EXPECT_TRUE(loaded.result.activationsRestored);
        ExpectSameGame(saved, loaded.game);
        // The whole-game text is composed from the restored state.
        TReadingRecord composed = loaded.game.reading;
        composed.gameText.clear();
        ComposeGameText(composed);
        EXPECT_EQ(loaded.game.reading.gameText, composed.gameText);
        EXPECT_NE(loaded.game.reading.gameText, kNoMovesText);
        // And the same bytes come out again.
        EXPECT_EQ(Format(loaded.game, letter), Format(saved, letter));
    }
}

TEST(SavedGameReader, AGameLoadsOnlyInItsOwnBoardProgram) {
    for (char fileBoard : kBoards) {
        const std::string bytes = Format(MidGame(fileBoard), fileBoard);
        for (char program : kBoards) {
            const TLoaded loaded = Parse(bytes, program);
            if (program == fileBoard) {
                EXPECT_TRUE(loaded.result.Loaded());
                continue;
            }
            EXPECT_EQ(loaded.result.outcome, TLoadOutcome::WrongBoard);
            EXPECT_EQ(loaded.result.title, "Incorrect File");
        }
        EXPECT_TRUE(Parse(bytes, kAnyBoard).result.Loaded());
    }
    const TLoaded waterInFire = Parse(Format(MidGame('W'), 'W'), 'F');
    EXPECT_EQ(
        waterInFire.result.message,
        "That game used the Water board.\nYou have chosen to load a game\nusing the Fire board.");
    EXPECT_EQ(
        WrongBoardMessage('A', 'E'),
        "That game used the Air board.\nYou have chosen to load a game\nusing the Earth board.");
    EXPECT_EQ(WrongBoardMessage('x', 'W'),
              "That game used the board.\nYou have chosen to load a game\nusing the Water board.");
}

TEST(SavedGameReader, AnyBoardVariantSetsUpFromTheStatusLetter) {
    const TGame saved = MidGame('F');
    std::vector<std::string> lines = SplitLines(Format(saved, 'F'));
    lines[1] = "W";  // the board line is not looked at
    const TLoaded loaded = Parse(JoinLines(lines), kAnyBoard);
    ASSERT_TRUE(loaded.result.Loaded()) << loaded.result.message;
    EXPECT_EQ(loaded.game.board.elementCode, 3);
    ExpectSameGame(saved, loaded.game);
}

TEST(SavedGameReader, FirstLineMustMatchExactly) {
    const std::string good = Format(MidGame('W'), 'W');
    std::vector<std::string> lines = SplitLines(good);
    for (const char* first : {";Vaeloric Chess for Windows'96", ";Vaeloric Chess for Windows'95 ",
                              " ;Vaeloric Chess for Windows'95", ""}) {
        lines[0] = first;
        const TLoaded loaded = Parse(JoinLines(lines), 'W');
        EXPECT_EQ(loaded.result.outcome, TLoadOutcome::WrongFileType) << first;
        EXPECT_EQ(loaded.result.message, "Wrong file type");
        EXPECT_EQ(loaded.result.title, "Incorrect File");
    }
    EXPECT_EQ(Parse("", 'W').result.outcome, TLoadOutcome::WrongFileType);
    EXPECT_EQ(Parse(std::string(5000, 'x'), 'W').result.outcome, TLoadOutcome::WrongFileType);
}

TEST(SavedGameReader, LineFeedAloneLoadsTheSameGame) {
    const TGame saved = MidGame('A');
    const std::string lfOnly = JoinLines(SplitLines(Format(saved, 'A')), "\n");
    ASSERT_EQ(lfOnly.find('\r'), std::string::npos);
    const TLoaded loaded = Parse(lfOnly, 'A');
    ASSERT_TRUE(loaded.result.Loaded()) << loaded.result.message;
    ExpectSameGame(saved, loaded.game);
    // A last line without any line end still counts.
    const TLoaded unended = Parse(lfOnly.substr(0, lfOnly.size() - 1), 'A');
    ASSERT_TRUE(unended.result.Loaded()) << unended.result.message;
    ExpectSameGame(saved, unended.game);
}

// Replaces the line that follows `after` (the first line equal to it).
std::string WithLineAfter(const std::string& bytes, const std::string& after,
                          const std::string& line) {
    std::vector<std::string> lines = SplitLines(bytes);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == after) {
            lines[i + 1] = line;
            break;
        }
    return JoinLines(lines);
}

TEST(SavedGameReader, LinesReadTheWayTheFormatSays) {
    const std::string good = Format(MidGame('W'), 'W');
    const TLoaded base = Parse(good, 'W');
    ASSERT_TRUE(base.result.Loaded());

    struct {
        const char* after;
        std::string line;
        void (*check)(const TGame&);
    } rows[] = {
        {"[USER3]", "hAnn",
         [](const TGame& g) {
             EXPECT_EQ(g.setUp.seatCode[3], Human);
             EXPECT_EQ(g.setUp.seatName[3], "Ann");
         }},
        {"[USER3]", "a", [](const TGame& g) { EXPECT_EQ(g.setUp.seatCode[3], 7); }},
        {"[USER3]", "qrest", [](const TGame& g) { EXPECT_EQ(g.setUp.seatCode[3], 8); }},
        {"[USER2]", "h" + std::string(30, 'n'),
         [](const TGame& g) { EXPECT_EQ(g.setUp.seatName[2], std::string(24, 'n')); }},
        {"[USER]", std::string(40, 'q'),
         [](const TGame& g) { EXPECT_EQ(g.setUp.questionerName, std::string(24, 'q')); }},
        {"[USER]", std::string("Ann\0Eve", 7),
         [](const TGame& g) { EXPECT_EQ(g.setUp.questionerName, "Ann"); }},
        {";Vaeloric Chess for Windows'95", "W" + std::string(10, '!'), [](const TGame&) {}},
        // Only the first three characters of the status line count.
        {"W", "27Wsomeone else entirely",
         [](const TGame& g) { EXPECT_EQ(g.setUp.questionerName, "Anna Grey"); }},
        {"27WAnna Grey", "VAELORIC CHESS - " + std::string(300, 'x'),
         [](const TGame& g) { EXPECT_EQ(g.setUp.caption.size(), 255u); }},
        {"[NEXTPLAYER]", "green", [](const TGame& g) { EXPECT_EQ(g.board.armyToMove, 1); }},
        {"[NEXTPLAYER]", "blue", [](const TGame& g) { EXPECT_EQ(g.board.armyToMove, 4); }},
        {"[CHECKMATE]", "red=TRUE", [](const TGame& g) { EXPECT_EQ(g.turn.checkmated[1], 1); }},
        {"[CHECKMATE]", "", [](const TGame& g) { EXPECT_EQ(g.turn.checkmated[1], 1); }},
        {"red=false", "black=false", [](const TGame& g) { EXPECT_EQ(g.turn.checkmated[2], 0); }},
        {"[ONPTAH]", "yes", [](const TGame& g) { EXPECT_FALSE(g.turn.ptahReached); }},
        {"[ANALYSIS]", "  0.25 and the rest",
         [](const TGame& g) { EXPECT_EQ(g.reading.gameActivation[0], 0.25f); }},
        {"[ANALYSIS]", "-0.2005",
         [](const TGame& g) { EXPECT_EQ(g.reading.gameActivation[0], -0.2f); }},
        {"[ANALYSIS]", "1e-50",
         [](const TGame& g) { EXPECT_EQ(g.reading.gameActivation[0], 0.0f); }},
        // The value written for an empty square is not read back.
        {"[BOARDSTATE]", "12345|  ", [](const TGame& g) { EXPECT_EQ(g.board.At(8, 1), TPiece{}); }},
        {"[BOARDSTATE]", "-77|GS",
         [](const TGame& g) {
             const TPiece piece = g.board.At(8, 1);
             EXPECT_EQ(piece.kind, Queen);
             EXPECT_EQ(piece.army, 4);
             EXPECT_EQ(piece.ally, 2);
             EXPECT_EQ(piece.playerCode, 7);  // blue is seat 4's army, H. Tarrant Bell
             EXPECT_EQ(piece.value, -77);
         }},
    };
    for (const auto& row : rows) {
        const TLoaded loaded = Parse(WithLineAfter(good, row.after, row.line), 'W');
        ASSERT_TRUE(loaded.result.Loaded()) << row.line << ": " << loaded.result.message;
        row.check(loaded.game);
    }
}

TEST(SavedGameReader, SectionsMayComeInAnyOrderOrBeMissing) {
    const TGame saved = MidGame('W');
    std::vector<std::string> lines = SplitLines(Format(saved, 'W'));
    // Move [NEXTPLAYER] .. [ONPTAH] (lines 112-120) in front of [STATUS],
    // and drop the whole [ANALYSIS] section.
    std::vector<std::string> reordered(lines.begin(), lines.begin() + 6);
    reordered.insert(reordered.end(), lines.begin() + 111, lines.begin() + 120);
    reordered.insert(reordered.end(), lines.begin() + 6, lines.begin() + 16);
    reordered.insert(reordered.end(), lines.begin() + 120, lines.end());
    const TLoaded loaded = Parse(JoinLines(reordered), 'W');
    ASSERT_TRUE(loaded.result.Loaded()) << loaded.result.message;
    EXPECT_FALSE(loaded.result.activationsRestored);
    EXPECT_EQ(loaded.game.board.armyToMove, 3);
    EXPECT_EQ(loaded.game.turn.checkmated[2], 1);
    EXPECT_TRUE(loaded.game.turn.ptahReached);
    EXPECT_EQ(loaded.game.board.At(6, 2), saved.board.At(6, 2));
    EXPECT_EQ(loaded.game.reading.gameActivation[0], kRestingActivation);
    EXPECT_EQ(loaded.game.reading.gameText, kNoMovesText);
}

TEST(SavedGameReader, LoadFromFileCommitsOnlyAValidGame) {
    namespace fs = std::filesystem;
    const fs::path folder = FreshTempFolder("vaeloric-saved-reader");
    const std::string path = (folder / "game.vae").string();
    const TGame saved = MidGame('E');
    ASSERT_TRUE(
        WriteSavedGame(path, 'E', saved.board, saved.setUp, saved.turn, saved.reading).saved);

    TGame live;
    live.setUp.caption = "VAELORIC CHESS";
    live.turn.throwValue = 4;
    live.turn.mover = 3;
    const TLoadResult missing = LoadSavedGame((folder / "absent.vae").string(), 'E', live.board,
                                              live.setUp, live.turn, live.reading);
    EXPECT_EQ(missing.outcome, TLoadOutcome::CannotOpen);
    EXPECT_EQ(missing.message, "File could not be opened");
    EXPECT_EQ(missing.title, "VAELORIC CHESS");
    EXPECT_EQ(LoadSavedGame(folder.string(), 'E', live.board, live.setUp, live.turn, live.reading)
                  .outcome,
              TLoadOutcome::CannotOpen);
    EXPECT_EQ(live.turn.throwValue, 4);

    const TLoadResult result =
        LoadSavedGame(path, 'E', live.board, live.setUp, live.turn, live.reading);
    ASSERT_TRUE(result.Loaded()) << result.message;
    ExpectSameGame(saved, live);
    EXPECT_EQ(live.turn.throwValue, 0);
    EXPECT_EQ(live.turn.mover, 0);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace vaeloric
