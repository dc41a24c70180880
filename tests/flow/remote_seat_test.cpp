// SPDX-License-Identifier: GPL-3.0-or-later

// An army played at another screen: this screen's buttons and pointer leave
// it alone, and its throw and drop are taken only on its own turn and as the
// rules allow; every turn is heard as it ends.
#include <algorithm>

#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

// Army 1 at this screen, army 2 elsewhere: army 1's King on E1, Rook on E2
// and Queen on A2; army 2's Rook on E8 and King on H8.
class RemoteSeat : public GameFlow {
  protected:
    void SetUp() override {
        GameFlow::SetUp();
        StartLauncher();
        ClearBoard();
        Place(1, 5, King, 1);
        Place(2, 5, Rook, 1);
        Place(2, 1, Queen, 1);
        Place(8, 5, Rook, 2);
        Place(8, 8, King, 2);
        controller->PlayArmyRemotely(2);
        controller->onTurnPlayed = [this](const TGameController::TPlayedTurn& turn) {
            heard.push_back(turn);
        };
        layer.Forget();
    }
    bool Slid(const std::string& move) const {
        return std::find(layer.events.begin(), layer.events.end(), "slide " + move) !=
               layer.events.end();
    }
    std::vector<TGameController::TPlayedTurn> heard;
};

TEST_F(RemoteSeat, ItsRequestsCountOnlyOnItsOwnTurnAndAsTheRulesAllow) {
    // Army 1's turn: the other screen can neither throw nor move.
    EXPECT_FALSE(controller->RemoteThrow(2, 1, 0));
    EXPECT_FALSE(controller->RemoteThrow(1, 1, 0));  // this screen's army
    EXPECT_EQ(Turn().throwValue, 0);
    Enter(4);
    EXPECT_FALSE(controller->RemoteDrop(2, 1, Sq(8, 5), Sq(7, 5)));
    EXPECT_FALSE(controller->RemoteDrop(1, 1, Sq(2, 1), Sq(4, 1)));
    EXPECT_EQ(Board().GetPiece(8, 5).kind, Rook);
    Drag(Sq(2, 1), Sq(4, 1));
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].turn, 1);
    EXPECT_EQ(heard[0].army, 1);
    EXPECT_EQ(heard[0].face, 4);
    EXPECT_FALSE(heard[0].missed);
    EXPECT_TRUE(SquaresEqual(heard[0].to, Sq(4, 1)));

    // Army 2's turn: this screen's THROW, ENTER and pointer do nothing.
    ASSERT_EQ(Board().armyToMove, 2);
    EXPECT_FALSE(controller->ArmyToMoveIsHuman());
    EXPECT_FALSE(controller->AwaitsThrow());
    EXPECT_FALSE(controller->AwaitsComputerMove());
    ThrowButton();
    Enter(5);
    EXPECT_EQ(Turn().throwValue, 0);
    // Requests of an earlier turn, of another army or out of range are refused.
    EXPECT_FALSE(controller->RemoteThrow(2, 1, 5));
    EXPECT_FALSE(controller->RemoteThrow(3, 2, 5));
    EXPECT_FALSE(controller->RemoteThrow(2, 2, 7));
    EXPECT_FALSE(controller->RemoteThrow(2, 2, -1));
    EXPECT_TRUE(controller->RemoteThrow(2, 2, 5));
    EXPECT_FALSE(controller->RemoteThrow(2, 2, 5));  // a repeat throws nothing more
    EXPECT_EQ(Turn().throwValue, 5);

    EXPECT_FALSE(controller->PickUp(Sq(8, 5)));
    controller->Drop(Sq(7, 5));
    EXPECT_EQ(Board().GetPiece(8, 5).kind, Rook);
    const struct {
        long turn;
        TSquare from, to;
    } refused[] = {
        {1, Sq(8, 5), Sq(7, 5)},                           // an earlier turn
        {2, Sq(2, 5), Sq(3, 5)},                           // the other army's piece
        {2, Sq(8, 5), Sq(8, 5)},                           // no move
        {2, Sq(8, 5), Sq(9, 5)},                           // off the board
        {2, Sq(0, 5), Sq(7, 5)}, {2, Sq(7, 5), Sq(6, 5)},  // an empty square
        {2, Sq(8, 5), Sq(1, 5)},                           // onto a King
        {2, Sq(8, 8), Sq(7, 7)},                           // a piece the throw does not move
    };
    for (const auto& drop : refused) {
        SCOPED_TRACE(std::to_string(drop.from.rank) + std::to_string(drop.from.file) + "-" +
                     std::to_string(drop.to.rank) + std::to_string(drop.to.file));
        EXPECT_FALSE(controller->RemoteDrop(2, drop.turn, drop.from, drop.to));
        EXPECT_EQ(Board().armyToMove, 2);
        EXPECT_EQ(Turn().throwValue, 5);
    }
    EXPECT_EQ(heard.size(), 1u);
    EXPECT_TRUE(controller->RemoteDrop(2, 2, Sq(8, 5), Sq(6, 5)));
    EXPECT_EQ(Board().GetPiece(6, 5).kind, Rook);
    EXPECT_TRUE(Slid("85-65"));  // it travels as a computer's move does
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[1].turn, 2);
    EXPECT_EQ(heard[1].army, 2);
    EXPECT_EQ(heard[1].face, 5);
    EXPECT_TRUE(SquaresEqual(heard[1].from, Sq(8, 5)));
    EXPECT_NE(Board().armyToMove, 2);
    // The drop is not played twice.
    EXPECT_FALSE(controller->RemoteDrop(2, 2, Sq(6, 5), Sq(5, 5)));
}

TEST_F(RemoteSeat, AThrowThatLosesTheTurnIsHeardAsMissed) {
    Enter(4);
    Drag(Sq(2, 1), Sq(4, 1));
    // Army 2 has no Queen nor Bishop: a 3 cannot move it.
    ASSERT_TRUE(controller->RemoteThrow(2, 2, 3)) << "a 3";
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_TRUE(heard[1].missed);
    EXPECT_EQ(heard[1].army, 2);
    EXPECT_EQ(heard[1].face, 3);
    EXPECT_EQ(controller->TurnNumber(), 3);
}

// A seat handed over once its guest was lost: this screen throws and moves
// for it as for any computer army, and the network is heard no more.
TEST_F(RemoteSeat, AHandedOverArmyIsPlayedHereByItsComputerOpponent) {
    Enter(4);
    Drag(Sq(2, 1), Sq(4, 1));
    ASSERT_EQ(Board().armyToMove, 2);
    controller->PlayArmyByComputer(2, Human);  // only a computer takes a seat over
    EXPECT_TRUE(controller->ArmyIsRemote(2));
    controller->PlayArmyByComputer(2, 3);
    EXPECT_FALSE(controller->ArmyIsRemote(2));
    EXPECT_EQ(Board().GetPlayerCode(2), 3);
    EXPECT_FALSE(controller->TurnButtonsIdle());
    EXPECT_FALSE(controller->RemoteThrow(2, 2, 5));
    EXPECT_EQ(Turn().throwValue, 0);
    Enter(5);
    ASSERT_TRUE(controller->AwaitsComputerMove());
    EXPECT_FALSE(controller->RemoteDrop(2, 2, Sq(8, 5), Sq(7, 5)));
    controller->MakeComputerMove();
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_EQ(heard[1].army, 2);
    EXPECT_FALSE(heard[1].missed);
    EXPECT_NE(Board().armyToMove, 2);
}

// A guest's screen for army 2: every other army is played at the host, and
// this screen asks the host for army 2's throw and drop instead of making them.
class GuestScreen : public RemoteSeat {
  protected:
    void SetUp() override {
        RemoteSeat::SetUp();
        StartLauncher();  // afresh, without the host's remote army
        ClearBoard();
        Place(1, 5, King, 1);
        Place(2, 5, Rook, 1);
        Place(2, 1, Queen, 1);
        Place(8, 5, Rook, 2);
        Place(8, 8, King, 2);
        for (std::int32_t army : {1, 3, 4}) controller->PlayArmyRemotely(army);
        controller->onThrowWanted = [this](long turn, TDieFace face) {
            asked.push_back("throw " + std::to_string(turn) + " " + std::to_string(face));
        };
        controller->onDropWanted = [this](long turn, TSquare from, TSquare to) {
            asked.push_back("drop " + std::to_string(turn) + " " + std::to_string(from.rank) +
                            std::to_string(from.file) + "-" + std::to_string(to.rank) +
                            std::to_string(to.file));
        };
    }
    TGameController::TPlayedTurn Played(long turn, std::int32_t army, TDieFace face, TSquare from,
                                        TSquare to) {
        TGameController::TPlayedTurn played;
        played.turn = turn;
        played.army = army;
        played.face = face;
        played.from = from;
        played.to = to;
        return played;
    }
    std::vector<std::string> asked;
};

TEST_F(GuestScreen, OnlyItsOwnArmyOnItsOwnTurnAsksTheHost) {
    // Army 1's turn, played at the host: nothing here throws, moves or asks.
    ThrowButton();
    Enter(4);
    EXPECT_FALSE(controller->PickUp(Sq(2, 1)));
    controller->Drop(Sq(4, 1));
    EXPECT_FALSE(controller->PickUp(Sq(8, 5)));  // its own piece, out of turn
    controller->TakeThrow(1, 4);                 // a face for another army's turn
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Turn().throwValue, 0);
    EXPECT_EQ(Board().GetPiece(2, 1).kind, Queen);

    // The host's turns are played here as the host played them, once.
    EXPECT_FALSE(controller->FollowTurn(Played(2, 1, 4, Sq(2, 1), Sq(4, 1))));  // not yet due
    ASSERT_TRUE(controller->FollowTurn(Played(1, 1, 4, Sq(2, 1), Sq(4, 1))));
    EXPECT_EQ(Board().GetPiece(4, 1).kind, Queen);
    EXPECT_TRUE(Slid("21-41"));
    EXPECT_FALSE(controller->FollowTurn(Played(1, 1, 4, Sq(2, 1), Sq(4, 1))));
    ASSERT_EQ(Board().armyToMove, 2);

    // Its own turn: THROW asks the host, once, and the host's face comes back.
    ThrowButton();
    ThrowButton();
    ASSERT_EQ(asked, (std::vector<std::string>{"throw 2 0"}));
    EXPECT_EQ(Turn().throwValue, 0);
    controller->TakeThrow(1, 5);  // for an earlier turn
    EXPECT_EQ(Turn().throwValue, 0);
    controller->TakeThrow(2, 5);
    EXPECT_EQ(Turn().throwValue, 5);
    // Another army's piece cannot be picked up; its own drop is asked of the
    // host and changes nothing here until the host has played it.
    EXPECT_FALSE(controller->PickUp(Sq(2, 5)));
    controller->Drop(Sq(3, 5));
    Drag(Sq(8, 5), Sq(6, 5));
    EXPECT_EQ(asked.back(), "drop 2 85-65");
    EXPECT_EQ(Board().GetPiece(8, 5).kind, Rook);
    EXPECT_EQ(Board().armyToMove, 2);
    // A turn that does not follow this game is refused.
    EXPECT_FALSE(controller->FollowTurn(Played(2, 2, 4, Sq(8, 5), Sq(6, 5))));
    EXPECT_FALSE(controller->FollowTurn(Played(2, 2, 5, Sq(8, 5), Sq(9, 5))));
    ASSERT_TRUE(controller->FollowTurn(Played(2, 2, 5, Sq(8, 5), Sq(6, 5))));
    EXPECT_EQ(Board().GetPiece(6, 5).kind, Rook);
    EXPECT_NE(Board().armyToMove, 2);
    EXPECT_EQ(asked.size(), 2u);
}

// The turn's buttons read as idle (and are drawn greyed) exactly while they
// would do nothing here; a prompt of face 0 (the host lost the throw request
// with the line) makes them work again.
TEST_F(GuestScreen, ItsButtonsAreIdleOutsideItsOwnTurnAndWhileItsThrowIsOnItsWay) {
    EXPECT_TRUE(controller->TurnButtonsIdle());  // army 1, at the host
    ASSERT_TRUE(controller->FollowTurn(Played(1, 1, 4, Sq(2, 1), Sq(4, 1))));
    EXPECT_FALSE(controller->TurnButtonsIdle());
    EXPECT_TRUE(controller->AwaitsThrow());
    ThrowButton();
    EXPECT_TRUE(controller->TurnButtonsIdle());
    EXPECT_FALSE(controller->AwaitsThrow());
    controller->TakeThrow(1, 0);  // an earlier turn's prompt changes nothing
    EXPECT_TRUE(controller->TurnButtonsIdle());
    controller->TakeThrow(2, 0);
    EXPECT_FALSE(controller->TurnButtonsIdle());
    ThrowButton();
    EXPECT_EQ(asked, (std::vector<std::string>{"throw 2 0", "throw 2 0"}));
    controller->TakeThrow(2, 5);
    EXPECT_EQ(Turn().throwValue, 5);
    EXPECT_FALSE(controller->TurnButtonsIdle());
    controller->TakeThrow(2, 0);  // a late face-0 prompt keeps the face
    EXPECT_EQ(Turn().throwValue, 5);
}

// Turns a guest catches up on (it joined late, or came back) leave their
// position and nothing else: no boxes, readings, sounds or sliding. The turn
// it then sees played shows as always.
TEST_F(GuestScreen, TurnsCaughtUpOnAreFollowedQuietly) {
    layer.optionScript.push_back([](TOptionSettings& options) {
        options.musicOn = true;
        return true;
    });
    controller->Command(CmMusic);
    layer.Forget();
    layer.sounds.clear();
    ASSERT_TRUE(controller->FollowTurn(Played(1, 1, 4, Sq(2, 1), Sq(4, 1)), true));
    TGameController::TPlayedTurn lost = Played(2, 2, 3, Sq(1, 1), Sq(1, 1));
    lost.missed = true;  // army 2 has nothing that moves on a 3
    ASSERT_TRUE(controller->FollowTurn(lost, true));
    EXPECT_EQ(Board().GetPiece(4, 1).kind, Queen);
    EXPECT_EQ(controller->TurnNumber(), 3);
    for (const std::string& event : layer.events)
        EXPECT_TRUE(event.rfind("box:", 0) != 0 && event.rfind("reading:", 0) != 0 &&
                    event.rfind("slide", 0) != 0)
            << event;
    EXPECT_TRUE(layer.sounds.empty());

    // Turns 3 and 4 (armies 3 and 4, gone) are lost; turn 5 is shown.
    for (const long turn : {3L, 4L}) {
        TGameController::TPlayedTurn gone = Played(turn, Board().armyToMove, 1, Sq(1, 1), Sq(1, 1));
        gone.missed = true;
        ASSERT_TRUE(controller->FollowTurn(gone, true));
    }
    ASSERT_EQ(Board().armyToMove, 1);
    ASSERT_TRUE(controller->FollowTurn(Played(5, 1, 4, Sq(4, 1), Sq(6, 1))));
    EXPECT_TRUE(Slid("41-61"));
    EXPECT_FALSE(layer.sounds.empty());
    EXPECT_NE(std::find_if(layer.events.begin(), layer.events.end(),
                           [](const std::string& e) { return e.rfind("reading:", 0) == 0; }),
              layer.events.end());
}

}  // namespace
}  // namespace vaeloric::testing
