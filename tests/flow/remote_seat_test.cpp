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

}  // namespace
}  // namespace vaeloric::testing
