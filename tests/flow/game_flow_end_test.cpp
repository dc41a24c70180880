// SPDX-License-Identifier: GPL-3.0-or-later

// The end of a game: the Ptah square, double checkmate, the resign offer and
// the analysis file.
#include "flow/hosted_seats.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

// Kings in the far corners; the Questioner's (army 1) King one step below
// the Ptah square E4.
class EndOfGame : public GameFlow {
  protected:
    void SetUp() override {
        GameFlow::SetUp();
        StartLauncher();
        ClearBoard();
        Place(3, 5, King, 1);
        Place(1, 1, King, 2);
        Place(8, 1, King, 3);
        Place(8, 8, King, 4);
        layer.Forget();
    }
    void KingOntoPtah() {
        Enter(1);
        Drag(Sq(3, 5), Sq(4, 5));
        ASSERT_TRUE(Turn().ptahReached);
    }
};

TEST_F(EndOfGame, KingHoldingThePtahSquareForARoundWins) {
    KingOntoPtah();
    for (int i = 0; i < 3; ++i) Enter(std::nullopt);
    EXPECT_EQ(layer.BoxTexts(),
              (std::vector<std::string>{"Dice roll prevents moving", "Dice roll prevents moving",
                                        "Dice roll prevents moving", "you win!"}));
    EXPECT_EQ(layer.boxes.back(), (TMessageBox{"you win!", "GAME OVER"}));
    EXPECT_TRUE(layer.destroyed);
    EXPECT_TRUE(controller->Ended());
    const std::string analysis = AnalysisText();
    EXPECT_EQ(
        analysis.rfind("At the beginning of the game Ann asked:\n[Will it rain?]\n"
                       "Because you won the game it is a FAVOURABLE ANSWER to the question.\n",
                       0),
        0u)
        << analysis;
    // After the end nothing reacts and the window may go.
    layer.Forget();
    Enter(1);
    EXPECT_TRUE(layer.events.empty());
    EXPECT_TRUE(controller->CanClose());
    EXPECT_TRUE(layer.boxes.empty());
}

// A host whose seats its computer opponents took over says so at the end
// of the answer, in the sentence the headless host writes.
TEST_F(EndOfGame, TheAnswerEndsWithTheNoteOfSeatsHandedOver) {
    TSeatArmies armies{};
    armies.army[2] = 2;
    armies.army[3] = 3;
    armies.army[4] = 4;
    game->answerNote = HandOverNote({{4, 12}, {2, 7}}, armies);
    KingOntoPtah();
    for (int i = 0; i < 3; ++i) Enter(std::nullopt);
    ASSERT_TRUE(layer.destroyed);
    const std::string analysis = AnalysisText();
    const std::string note =
        "\nSeat 2 (the black army) was played by its computer opponent from turn 7 on, after "
        "its guest over the network was lost.\n"
        "\nSeat 4 (the blue army) was played by its computer opponent from turn 12 on, after "
        "its guest over the network was lost.\n";
    ASSERT_GE(analysis.size(), note.size());
    EXPECT_EQ(analysis.substr(analysis.size() - note.size()), note) << analysis;
    EXPECT_NE(analysis.find("FAVOURABLE ANSWER"), std::string::npos);
}

TEST_F(EndOfGame, KingAttackedOnThePtahSquareLoses) {
    Place(7, 1, Rook, 2);
    KingOntoPtah();
    Enter(5);
    Drag(Sq(7, 1), Sq(7, 5));  // down the E file onto the King
    EXPECT_EQ(layer.BoxTexts(), (std::vector<std::string>{"you lose!"}));
    EXPECT_EQ(layer.boxes.back().title, "GAME OVER");
    EXPECT_TRUE(layer.destroyed);
    EXPECT_NE(AnalysisText().find("Because you lost the game it is an UNFAVOURABLE ANSWER"),
              std::string::npos);
}

TEST_F(EndOfGame, DoubleCheckmateDecidesForTheQuestionersSide) {
    struct Row {
        const char* argument;
        bool evenArmiesMated;
        const char* notice;
        bool won;
    };
    const Row rows[] = {
        {kAllHuman, true, "Double Checkmate - you win!", true},
        {kAllHuman, false, "Double Checkmate - you lose!", false},
        {"21xWill it rain?^@Ann^@hBob^@hCid^@hDee^@", true, "Double Checkmate - you lose!", false},
        {"21xWill it rain?^@Ann^@hBob^@hCid^@hDee^@", false, "Double Checkmate - you win!", true},
    };
    for (const Row& row : rows) {
        layer.Forget();
        layer.destroyed = false;
        StartLauncher(row.argument);
        ClearBoard();
        // The victims' Kings in the corners A1 and H8, each pinned by two
        // enemy Rooks along the edge ranks; the other side's Kings in the middle.
        const int a = row.evenArmiesMated ? 2 : 1, b = row.evenArmiesMated ? 4 : 3;
        Place(1, 1, King, a);
        Place(1, 8, Rook, NextArmy(a));
        Place(2, 8, Rook, NextArmy(a));
        Place(8, 8, King, b);
        Place(8, 1, Rook, NextArmy(b));
        Place(7, 1, Rook, NextArmy(b));
        Place(5, 4, King, NextArmy(a));
        Place(5, 5, King, NextArmy(b));
        Enter(std::nullopt);
        EXPECT_EQ(layer.BoxTexts(),
                  (std::vector<std::string>{"Dice roll prevents moving", row.notice}))
            << row.argument << " " << row.evenArmiesMated;
        EXPECT_TRUE(layer.destroyed);
        EXPECT_NE(AnalysisText().find(row.won ? "FAVOURABLE" : "UNFAVOURABLE"), std::string::npos);
    }
}

TEST_F(EndOfGame, OneCheckmatedArmyKeepsLosingItsTurns) {
    ClearBoard();
    Place(1, 1, King, 2);
    Place(1, 8, Rook, 1);
    Place(2, 8, Rook, 1);
    Place(5, 4, King, 1);
    Place(8, 1, King, 3);
    Place(8, 8, King, 4);
    Enter(std::nullopt);
    EXPECT_EQ(Turn().checkmated[2], 1);
    Enter(6);
    EXPECT_EQ(layer.BoxTexts(),
              (std::vector<std::string>{"Dice roll prevents moving", "EARTH is in CHECKMATE"}));
    EXPECT_FALSE(layer.destroyed);
    EXPECT_EQ(Board().armyToMove, 3);
}

TEST_F(EndOfGame, ResignOfferComesBackUntilAccepted) {
    Board().PutPiece(1, 1, TPiece{});
    Place(3, 4, King, 2);  // next to the Ptah square
    layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::No};
    Enter(std::nullopt);  // army 1 misses; army 2 is to move
    ASSERT_EQ(layer.boxes.size(), 2u);
    EXPECT_EQ(layer.boxes[1],
              (TMessageBox{
                  "It is unlikely that you will win from this position.\n\nDo you want to resign?",
                  "", TBoxButtons::YesNo, TBoxIcon::None}));
    EXPECT_FALSE(layer.destroyed);
    EXPECT_FALSE(controller->Resigned());
    for (int i = 0; i < 3; ++i) Enter(std::nullopt);  // armies 2, 3, 4: no offer
    EXPECT_EQ(layer.boxes.size(), 5u);
    EXPECT_EQ(Board().armyToMove, 1);
    Enter(std::nullopt);  // offered again, accepted
    EXPECT_EQ(layer.boxes.back().text.substr(0, 9), "It is unl");
    EXPECT_TRUE(layer.destroyed);
    EXPECT_TRUE(controller->Resigned());  // what a host tells its guests
    EXPECT_NE(AnalysisText().find("UNFAVOURABLE"), std::string::npos);
}

// A guest's screen follows the Questioner's turns from the host: the host
// asks about resigning, the guest never does.
TEST_F(EndOfGame, AScreenWhereTheQuestionerPlaysElsewhereNeverOffersToResign) {
    Board().PutPiece(1, 1, TPiece{});
    Place(3, 4, King, 2);
    controller->PlayArmyRemotely(1);
    TGameController::TPlayedTurn lost;
    lost.turn = 1;
    lost.army = 1;
    lost.missed = true;
    ASSERT_TRUE(controller->FollowTurn(lost));
    EXPECT_EQ(Board().armyToMove, 2);
    for (const TMessageBox& box : layer.boxes) EXPECT_NE(box.buttons, TBoxButtons::YesNo);
    EXPECT_FALSE(layer.destroyed);
}

TEST_F(EndOfGame, AnalysisThatCannotBeWrittenIsReportedAndTheGameStillEnds) {
    // A folder cannot be made inside a plain file.
    std::ofstream(folder / "plain") << "x";
    SetAnalysisFile((folder / "plain" / "vaelfin.tmp").string());
    KingOntoPtah();
    for (int i = 0; i < 3; ++i) Enter(std::nullopt);
    EXPECT_EQ(layer.boxes.back(),
              (TMessageBox{"Error saving game analysis!", "VAELORIC CHESS - Will it rain?",
                           TBoxButtons::Ok, TBoxIcon::None}));
    EXPECT_TRUE(layer.destroyed);
}

TEST_F(GameFlow, DemonstrationGamesWriteNoAnalysis) {
    layer.ptahScript = {[](TPtahSquareChoice& c) {
        c.question = "Q";
        c.file = 5;
        c.rank = 4;
        return true;
    }};
    layer.playerScript = {[](TPlayerChoice& c) {
        c.names = {"", "Ann", "", "Cid", ""};
        return true;
    }};
    Start(TStartMode::Demonstration);
    ClearBoard();
    Place(3, 4, King, 2);
    Place(3, 6, King, 1);
    layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::Yes};
    Enter(std::nullopt);
    EXPECT_TRUE(layer.destroyed);
    EXPECT_EQ(AnalysisText(), "(none)");
}

}  // namespace
}  // namespace vaeloric::testing
