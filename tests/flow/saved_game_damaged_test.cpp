// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "flow/saved_game.h"
#include "saved_game_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;
using TLines = std::vector<std::string>;

// 1-based line numbers of the written file.
constexpr int kFirstActivationLine = 18;
constexpr int kFirstSquareLine = 122;  // A8

int SquareLine(int rank, int file) {
    return kFirstSquareLine + (8 - rank) * 8 + (file - 1);
}

struct TDamage {
    const char* what;
    std::function<void(TLines&)> apply;
    const char* reason;  // a piece of the message
};

const TDamage kDamages[] = {
    {"unknown army letter", [](TLines& l) { l[SquareLine(8, 1) - 1] = "80|XE"; },
     "A8 holds no known piece"},
    {"unknown kind letter", [](TLines& l) { l[SquareLine(1, 8) - 1] = "100|RZ"; },
     "H1 holds no known piece"},
    {"cell code cut short", [](TLines& l) { l[SquareLine(1, 8) - 1] = "100|R"; },
     "H1 holds no known piece"},
    {"value without a cell", [](TLines& l) { l[SquareLine(1, 8) - 1] = "100"; },
     "H1 holds no known piece"},
    {"cell code too long", [](TLines& l) { l[SquareLine(1, 8) - 1] = "100|R2x"; },
     "H1 holds no known piece"},
    {"value not a number", [](TLines& l) { l[SquareLine(1, 8) - 1] = "x|R2"; },
     "value of square H1"},
    {"value beyond 32 bits", [](TLines& l) { l[SquareLine(1, 8) - 1] = "2147483648|R2"; },
     "value of square H1"},
    {"empty square beyond 32 bits", [](TLines& l) { l[SquareLine(4, 4) - 1] = "-2147483649|  "; },
     "value of square D4"},
    {"value too large for the game", [](TLines& l) { l[SquareLine(1, 8) - 1] = "2147483647|R2"; },
     "piece on H1 is out of range"},
    {"value just above the game's range", [](TLines& l) { l[SquareLine(1, 8) - 1] = "10001|R2"; },
     "piece on H1 is out of range"},
    {"value just below the game's range", [](TLines& l) { l[SquareLine(1, 8) - 1] = "-10001|R2"; },
     "piece on H1 is out of range"},
    {"army without a King", [](TLines& l) { l[SquareLine(1, 8) - 1] = "100|RH"; },
     "red army has no King"},
    {"army with two Kings", [](TLines& l) { l[SquareLine(4, 4) - 1] = "50|GR"; },
     "blue army has more than one King"},
    {"King joined twice", [](TLines& l) { l[SquareLine(4, 4) - 1] = "50|B2"; },
     "black army has more than one King"},
    {"seat letter unknown", [](TLines& l) { l[12 - 1] = "x"; }, "seat 2 has no valid player"},
    {"seat line empty", [](TLines& l) { l[14 - 1] = ""; }, "seat 3 has no valid player"},
    {"seat section missing", [](TLines& l) { l.erase(l.begin() + 14, l.begin() + 16); },
     "seat 4 has no valid player"},
    {"activation not a number", [](TLines& l) { l[kFirstActivationLine + 3 - 1] = "abc"; },
     "is not a number"},
    {"activation spelled nan", [](TLines& l) { l[kFirstActivationLine - 1] = "nan"; },
     "is not a number"},
    {"activation spelled inf", [](TLines& l) { l[kFirstActivationLine - 1] = "-inf"; },
     "is not a number"},
    {"activation too large for a float", [](TLines& l) { l[kFirstActivationLine - 1] = "1e39"; },
     "is not a number"},
    {"activation above the network's range",
     [](TLines& l) { l[kFirstActivationLine + 93 - 1] = "1.01"; }, "out of range"},
    {"activation below the network's range",
     [](TLines& l) { l[kFirstActivationLine - 1] = "-0.21"; }, "out of range"},
    {"header where an activation belongs", [](TLines& l) { l.erase(l.begin() + 40); },
     "is not a number"},
    {"Ptah rank not a digit", [](TLines& l) { l[3 - 1] = "97WAnna Grey"; },
     "does not name a Ptah square"},
    {"Ptah file zero", [](TLines& l) { l[3 - 1] = "20W"; }, "does not name a Ptah square"},
    {"status board letter unknown", [](TLines& l) { l[3 - 1] = "27Q"; }, "does not name a board"},
    {"status of another board", [](TLines& l) { l[3 - 1] = "27F"; }, "names another board"},
    {"status line short", [](TLines& l) { l[3 - 1] = "27"; }, "too short"},
    {"ends after the board letter", [](TLines& l) { l.resize(2); }, "ends before its status line"},
    {"ends after the status", [](TLines& l) { l.resize(3); }, "ends before its caption"},
    {"ends inside [ANALYSIS]", [](TLines& l) { l.resize(60); },
     "ends in the middle of its [ANALYSIS]"},
    {"ends inside [CHECKMATE]", [](TLines& l) { l.resize(116); },
     "ends in the middle of its [CHECKMATE]"},
    {"ends after [ONPTAH]", [](TLines& l) { l.resize(119); }, "ends in the middle of its [ONPTAH]"},
    {"ends inside [BOARDSTATE]", [](TLines& l) { l.resize(150); },
     "ends in the middle of its [BOARDSTATE]"},
    {"ends after [USER4]", [](TLines& l) { l.resize(15); }, "ends in the middle of its [USER4]"},
};

TEST(SavedGameDamaged, EveryKindOfDamageIsRefusedAndChangesNothing) {
    const TGame saved = MidGame('W');
    const TLines good = SplitLines(Format(saved, 'W'));
    namespace fs = std::filesystem;
    const fs::path folder = FreshTempFolder("vaeloric-saved-damaged");
    const std::string path = (folder / "game.vae").string();

    for (const TDamage& damage : kDamages) {
        TLines lines = good;
        damage.apply(lines);
        WriteWholeFile(path, JoinLines(lines));

        // A live game in progress that a refused file must leave alone.
        TGame live = MidGame('W');
        live.board.armyToMove = 2;
        live.turn.throwValue = 5;
        live.reading.gameActivation.fill(0.75f);
        const std::string before = Format(live, 'W');

        const TLoadResult result =
            LoadSavedGame(path, 'W', live.board, live.setUp, live.turn, live.reading);
        EXPECT_EQ(result.outcome, TLoadOutcome::Damaged) << damage.what;
        EXPECT_EQ(result.title, "Incorrect File") << damage.what;
        EXPECT_EQ(result.message.rfind("The saved game is damaged and cannot be loaded: ", 0), 0u)
            << damage.what;
        EXPECT_NE(result.message.find(damage.reason), std::string::npos)
            << damage.what << ": " << result.message;
        EXPECT_EQ(Format(live, 'W'), before) << damage.what;
        EXPECT_EQ(live.turn.throwValue, 5) << damage.what;
    }
    fs::remove_all(folder);
}

TEST(SavedGameDamaged, OddBytesNeverLoadHalfAGame) {
    const std::string good = Format(MidGame('W'), 'W');
    TSavedGame game;
    // A NUL in the middle of the board, a file with no line ends after its
    // first, and a huge line: refused, never read out of bounds.
    std::string withNul = good;
    withNul[good.find("[BOARDSTATE]") + 20] = '\0';
    EXPECT_EQ(ParseSavedGame(withNul, 'W', game).outcome, TLoadOutcome::Damaged);
    std::string oneLine = good;
    std::replace(oneLine.begin() + 40, oneLine.end(), '\n', ' ');
    EXPECT_EQ(ParseSavedGame(oneLine, 'W', game).outcome, TLoadOutcome::Damaged);
    std::string huge = good;
    huge.insert(good.find("[ANALYSIS]"), std::string(kMaxSavedGameBytes, 'z') + "\r\n");
    const TLoadResult tooLarge = ParseSavedGame(huge, 'W', game);
    EXPECT_EQ(tooLarge.outcome, TLoadOutcome::Damaged);
    EXPECT_NE(tooLarge.message.find("too large"), std::string::npos);
    // Just under the limit, junk lines outside the sections are passed over.
    std::string padded = good;
    padded.insert(good.find("[STATUS]"),
                  std::string(kMaxSavedGameBytes - good.size() - 2, 'z') + "\r\n");
    EXPECT_TRUE(ParseSavedGame(padded, 'W', game).Loaded());
}

TEST(SavedGameDamaged, AFileCutBeforeAnySectionIsRefused) {
    const TLines good = SplitLines(Format(MidGame('W'), 'W'));
    int cuts = 0;
    for (std::size_t line = 0; line < good.size(); ++line) {
        if (good[line].empty() || good[line].front() != '[') continue;
        ++cuts;
        for (const char* end : {"\r\n", "\n"}) {
            TSavedGame game;
            const TLoadResult result = ParseSavedGame(
                JoinLines(TLines(good.begin(), good.begin() + line), end), 'W', game);
            EXPECT_EQ(result.outcome, TLoadOutcome::Damaged) << good[line];
            EXPECT_NE(result.message.find("ends before its [BOARDSTATE] section"),
                      std::string::npos)
                << good[line] << ": " << result.message;
        }
    }
    EXPECT_EQ(cuts, 10);
}

}  // namespace
}  // namespace vaeloric
