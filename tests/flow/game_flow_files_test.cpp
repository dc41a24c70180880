// SPDX-License-Identifier: GPL-3.0-or-later

// Closing, saving under a chosen name and reloading a saved game.
#include "flow/flow_services.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

constexpr const char* kCaption = "VAELORIC CHESS - Will it rain?";

TEST_F(GameFlow, CloseOfAnUntouchedGameAsksNothing) {
    StartLauncher();
    EXPECT_TRUE(controller->CanClose());
    EXPECT_TRUE(layer.boxes.empty());
    EXPECT_EQ(
        AnalysisText().rfind("The game was ended prematurely, so there is no win or lose.\n", 0),
        0u);
}

TEST_F(GameFlow, SaveQuestionOnClose) {
    struct Row {
        std::vector<TBoxAnswer> answers;
        std::optional<std::string> saveAs;
        bool closes;
        bool saved;
    };
    const Row rows[] = {
        {{TBoxAnswer::Cancel}, std::nullopt, false, false},
        {{TBoxAnswer::No}, std::nullopt, true, false},
        {{TBoxAnswer::Yes}, std::nullopt, false, false},  // save dialog cancelled
        {{TBoxAnswer::Yes, TBoxAnswer::Ok}, "game.vae", true, true},
    };
    for (const Row& row : rows) {
        layer.Forget();
        std::filesystem::remove(AnalysisPath());
        StartLauncher();
        Enter(std::nullopt);  // a throw makes the game modified
        layer.Forget();
        layer.boxAnswers = {row.answers.begin(), row.answers.end()};
        const std::string path = (folder / "game.vae").string();
        std::filesystem::remove(path);
        if (row.saveAs) layer.saveScript = {path};
        EXPECT_EQ(controller->CanClose(), row.closes);
        EXPECT_EQ(layer.boxes[0], (TMessageBox{"Save game before exit?", kCaption,
                                               TBoxButtons::YesNoCancel, TBoxIcon::Question}));
        EXPECT_EQ(std::filesystem::exists(path), row.saved);
        // The note of an early end is written only when the window closes.
        EXPECT_EQ(AnalysisText() != "(none)", row.closes);
        if (row.saved) {
            EXPECT_EQ(layer.boxes[1], (TMessageBox{path, "Game filename", TBoxButtons::OkCancel,
                                                   TBoxIcon::Question}));
            EXPECT_FALSE(controller->Modified());
        }
    }
}

TEST_F(GameFlow, SaveAsRetriesUntilAFileIsWrittenOrTheDialogIsCancelled) {
    StartLauncher();
    layer.Forget();
    const std::string bad = (folder / "missing" / "deep" / "x.vae").string();
    const std::string good = (folder / "x.vae").string();
    layer.saveScript = {bad, good, good};
    // The unwritable name fails; the confirmation of the next is cancelled.
    layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::Ok, TBoxAnswer::Cancel, TBoxAnswer::Ok};
    EXPECT_TRUE(controller->SaveAs());
    EXPECT_EQ(layer.BoxTexts(),
              (std::vector<std::string>{bad, "File could not be saved", good, good}));
    EXPECT_EQ(layer.boxes[1], (TMessageBox{"File could not be saved", kCaption, TBoxButtons::Ok,
                                           TBoxIcon::Exclamation}));
    EXPECT_EQ(layer.events[0], "save dialog:vaeloric.vae");
    EXPECT_EQ(Contents(good).rfind(";Vaeloric Chess for Windows'95\r\nW\r\n45WAnn\r\n", 0), 0u);
    // The next save proposes the name just used.
    layer.Forget();
    EXPECT_FALSE(controller->SaveAs());
    EXPECT_EQ(layer.events, (std::vector<std::string>{"save dialog:" + good}));
}

// A read-only file chosen in the save dialog is kept; the box names it and
// the dialog comes back.
TEST_F(GameFlow, SaveAsKeepsAReadOnlyFileAndSaysSo) {
    StartLauncher();
    layer.Forget();
    const std::string kept = (folder / "kept.vae").string();
    const std::string good = (folder / "x.vae").string();
    std::ofstream(kept) << "old";
    std::filesystem::permissions(kept, std::filesystem::perms::owner_read);
    layer.saveScript = {kept, good};
    layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::Ok, TBoxAnswer::Ok};
    EXPECT_TRUE(controller->SaveAs());
    const std::string sentence = "'" + kept + "' is read-only; nothing was written.";
    EXPECT_EQ(layer.BoxTexts(), (std::vector<std::string>{kept, sentence, good}));
    EXPECT_EQ(layer.boxes[1],
              (TMessageBox{sentence, kCaption, TBoxButtons::Ok, TBoxIcon::Exclamation}));
    EXPECT_EQ(Contents(kept), "old");
    // Some systems cannot remove a read-only file with its folder.
    std::filesystem::permissions(kept, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST_F(GameFlow, DemonstrationSaveExplainsReloadingFirst) {
    layer.ptahScript = {[](TPtahSquareChoice& c) {
        c.question = "Q";
        return true;
    }};
    layer.playerScript = {[](TPlayerChoice& c) {
        c.names = {"", "Ann", "", "Cid", ""};
        return true;
    }};
    Start(TStartMode::Demonstration);
    controller->Command(CmSave);
    ASSERT_EQ(layer.boxes.size(), 1u);
    EXPECT_EQ(
        layer.boxes[0],
        (TMessageBox{"A saved game can only be reloaded by first launching the \"Vaeloric Chess\" "
                     "program.\n\nIt is not possible to reload saved games from the individual "
                     "board programs.",
                     "Information"}));
    EXPECT_TRUE(layer.Saw("save dialog:vaeloric.vae"));
    // Closing a demonstration game writes no analysis file.
    EXPECT_TRUE(controller->CanClose());
    EXPECT_EQ(AnalysisText(), "(none)");
}

TEST_F(GameFlow, UnwritableAnalysisOnCloseAsksWhetherToCloseAnyway) {
    std::ofstream(folder / "plain") << "x";
    SetAnalysisFile((folder / "plain" / "vaelfin.tmp").string());
    StartLauncher();
    layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::No, TBoxAnswer::Ok, TBoxAnswer::Yes};
    EXPECT_FALSE(controller->CanClose());
    EXPECT_TRUE(controller->CanClose());
    ASSERT_EQ(layer.boxes.size(), 4u);
    EXPECT_EQ(layer.boxes[0], (TMessageBox{"Error saving game analysis!", kCaption}));
    EXPECT_EQ(layer.boxes[1].buttons, TBoxButtons::YesNo);
    EXPECT_EQ(layer.boxes[1].title, kCaption);
}

// Reload mode: the saved game is asked for at the first paint.
class Reload : public GameFlow {
  protected:
    // A game of the Water program, saved after army 1's first move.
    std::string SavedGame(char boardLetter = 'W') {
        TFakeWindowLayer saver;
        TGameSession session;
        session.mode = TStartMode::Launcher;
        session.boardLetter = boardLetter;
        ParseLauncherArgument("54xWill it rain?^@Ann^@hBob^@fo", boardLetter, session.setup);
        TGameController writer(saver, session);
        writer.ReadyToDraw();
        session.board.armyToMove = 4;
        session.turn.checkmated[2] = 1;
        const std::string path = (folder / (std::string("saved-") + boardLetter + ".vae")).string();
        saver.saveScript = {path};
        EXPECT_TRUE(writer.SaveAs());
        return path;
    }
    std::string WriteText(const std::string& name, const std::string& text) {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
};

TEST_F(Reload, CancellingTheOpenDialogEndsTheProgram) {
    Start(TStartMode::Reload);
    EXPECT_EQ(layer.events,
              (std::vector<std::string>{"control panel", "open dialog:vaeloric.vae", "destroy"}));
    EXPECT_TRUE(layer.boxes.empty());
    EXPECT_EQ(AnalysisText(), "CANCELLED");
    EXPECT_TRUE(controller->Ended());
}

TEST_F(Reload, EveryRefusalShowsItsMessageAndTheOpenDialogAgain) {
    const std::string good = SavedGame();
    const std::string fire = SavedGame('F');
    const std::string wrong = WriteText("wrong.vae", ";Vaeloric Chess for Windows'95 \r\nW\r\n");
    std::string damagedText = Contents(good);
    damagedText.replace(damagedText.find("|B"), 3, "|ZZ");
    const std::string damaged = WriteText("damaged.vae", damagedText);
    const std::string missing = (folder / "none.vae").string();
    layer.openScript = {missing, wrong, fire, damaged, good};
    Start(TStartMode::Reload);

    ASSERT_EQ(layer.boxes.size(), 4u);
    EXPECT_EQ(layer.boxes[0], (TMessageBox{"File could not be opened", "", TBoxButtons::Ok,
                                           TBoxIcon::Exclamation}));
    EXPECT_EQ(layer.boxes[1], (TMessageBox{"Wrong file type", "Incorrect File"}));
    EXPECT_EQ(layer.boxes[2],
              (TMessageBox{"That game used the Fire board.\nYou have chosen to load a game\n"
                           "using the Water board.",
                           "Incorrect File"}));
    EXPECT_EQ(layer.boxes[3].title, "Incorrect File");
    EXPECT_EQ(std::count_if(layer.events.begin(), layer.events.end(),
                            [](const std::string& e) { return e.rfind("open dialog:", 0) == 0; }),
              5);
    // Then the good file: title, seats and turn as saved.
    EXPECT_FALSE(layer.destroyed);
    EXPECT_EQ(layer.title, kCaption);
    EXPECT_EQ(controller->FileName(), good);
    EXPECT_EQ(Board().questionerArmy, 3);
    EXPECT_EQ(Board().armyToMove, 4);
    EXPECT_EQ(Board().GetPlayerCode(3), Human);
    EXPECT_EQ(Board().GetPlayerCode(4), Human);
    EXPECT_EQ(Board().GetPlayerCode(1), 2);
    EXPECT_EQ(Board().GetPlayerCode(2), 3);
    EXPECT_EQ(Turn().checkmated[2], 1);
    EXPECT_EQ(game->setup.seatName[2], "Bob");
    EXPECT_FALSE(controller->Modified());
    EXPECT_EQ(AnalysisText(), "(none)");
    // Play goes on from the loaded game.
    Enter(std::nullopt);
    EXPECT_EQ(Board().armyToMove, 1);
}

// `*` with a path: the file is loaded without the open dialog; a refused one
// gets its message and then the dialog.
TEST_F(Reload, APathAfterTheStarIsLoadedOrRefusedLikeAChosenFile) {
    const std::string good = SavedGame();
    reloadPath = good;
    Start(TStartMode::Reload);
    EXPECT_EQ(layer.events, (std::vector<std::string>{"control panel"}));
    EXPECT_EQ(controller->FileName(), good);
    EXPECT_EQ(layer.title, kCaption);

    reloadPath = WriteText("wrong.vae", "x\r\n");
    layer = TFakeWindowLayer{};
    layer.openScript = {good};
    Start(TStartMode::Reload);
    ASSERT_EQ(layer.boxes.size(), 1u);
    EXPECT_EQ(layer.boxes[0], (TMessageBox{"Wrong file type", "Incorrect File"}));
    EXPECT_EQ(layer.events[2], "open dialog:" + reloadPath);
    EXPECT_EQ(controller->FileName(), good);
}

bool WholeUtf8(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// Letters of 1 to 4 bytes at every position relative to the limits: the
// question and names are cut before the letter that would cross the limit,
// and a saved game keeps its 185 lines and reads back the same.
TEST_F(Reload, LongUtf8QuestionAndNamesAreCutAtWholeLetters) {
    for (const std::string letter : {"a", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x9C\x81"}) {
        for (int shift = 0; shift < 4; ++shift) {
            std::string question(static_cast<std::size_t>(shift), 'q'), name(shift, 'n');
            while (question.size() < 300) question += letter;
            while (name.size() < 40) name += letter;
            layer = TFakeWindowLayer{};
            StartLauncher("45x" + question + "^@" + name + "^@h" + name + "^@fo");
            const TSetUpRecord& setup = game->setup;
            EXPECT_TRUE(WholeUtf8(setup.caption) && WholeUtf8(setup.questionerName) &&
                        WholeUtf8(setup.seatName[2]));
            EXPECT_GT(setup.caption.size() + letter.size(), 255u);
            EXPECT_LE(setup.caption.size(), 255u);
            EXPECT_GT(setup.questionerName.size() + letter.size(), 24u);
            EXPECT_LE(setup.questionerName.size(), 24u);

            const std::string path = (folder / "utf8.vae").string();
            layer.saveScript = {path};
            ASSERT_TRUE(controller->SaveAs());
            const std::string saved = Contents(path);
            EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 185);
            TGameSession reloaded;
            reloaded.boardLetter = 'W';
            ASSERT_TRUE(LoadGameFile(path, reloaded).Loaded());
            EXPECT_EQ(reloaded.setup.caption, setup.caption);
            EXPECT_EQ(reloaded.setup.seatName[2], setup.seatName[2]);
        }
    }
}

}  // namespace
}  // namespace vaeloric::testing
