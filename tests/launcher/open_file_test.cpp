// SPDX-License-Identifier: GPL-3.0-or-later

#include <sys/stat.h>

#include <iterator>

#include "flow/analysis_file.h"
#include "launcher/launcher_app.h"
#include "tests/launcher/launcher_fixture.h"

namespace vaeloric::testing {
namespace {

// A stand-in Earth board program: it keeps its arguments and leaves the game
// undecided.
constexpr const char* kFakeBoard = R"sh(#!/bin/sh
printf '%s\n' "$@" > "$FAKE_DIR/arguments"
cat "$FAKE_DIR/answer" > "$VAELORIC_ANALYSIS_FILE"
)sh";

using OpenFile = LauncherTest;

TEST_F(OpenFile, OnlyOneFileArgumentIsASavedGame) {
    const std::string working = std::filesystem::current_path().string();
    const struct {
        QStringList arguments;
        QString path;
    } cases[] = {
        {{"vaeloric"}, ""},
        {{"vaeloric", ""}, ""},
        {{"vaeloric", "a.vae", "b.vae"}, ""},
        {{"vaeloric", "/games/old game.vae"}, "/games/old game.vae"},
        {{"vaeloric", "saved/x.vae"}, QString::fromStdString(working + "/saved/x.vae")},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments.join(' ').toStdString());
        EXPECT_EQ(SavedGameArgument(test.arguments), test.path);
    }
}

// A file manager starts "vaeloric game.vae" in the file's folder: the game
// goes on in its own board's program, and the journal keeps a path that
// still finds the file from elsewhere.
TEST_F(OpenFile, ASavedGameNamedRelativelyContinuesInTheProgramOfItsBoard) {
    const auto board = folder / "bin" / "terrasel";
    WriteFile(board, kFakeBoard);
    chmod(board.c_str(), 0755);
    setenv("FAKE_DIR", folder.c_str(), 1);
    WriteFile(folder / "answer", UnfinishedGameText("Nothing decided."));
    std::filesystem::create_directories(folder / "games");
    std::filesystem::copy_file(
        std::filesystem::path(VAELORIC_SAMPLES_DIR) / "board-E-F2-seed303-limit250" / "game.vae",
        folder / "games" / "earth.vae");
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(folder / "games");
    const QString path = SavedGameArgument({"vaeloric", "earth.vae"});
    std::filesystem::current_path(working);

    TLauncherWindow window(JournalPath());
    window.ContinueSavedGame(path);
    ASSERT_TRUE(WaitForGameEnd(window));
    const std::string saved = (folder / "games" / "earth.vae").string();
    std::ifstream arguments(folder / "arguments");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(arguments), {}), "*" + saved + "\n");
    ASSERT_EQ(window.Journal().List().size(), 1u);
    EXPECT_EQ(window.Journal().List()[0].savedGame, saved);
    EXPECT_EQ(window.Journal().List()[0].outcome, TOutcome::Unfinished);
}

}  // namespace
}  // namespace vaeloric::testing
