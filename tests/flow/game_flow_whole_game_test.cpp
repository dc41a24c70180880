// SPDX-License-Identifier: GPL-3.0-or-later

// Whole games through the window: every turn passes to the next army, the
// only boxes are the turn's own notices, and the human entry accepts exactly
// the moves the rules list.
#include <random>
#include <set>

#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

const std::set<std::string> kTurnNotices = {
    "Dice roll prevents moving",
    "FIRE is in CHECKMATE",
    "EARTH is in CHECKMATE",
    "AIR is in CHECKMATE",
    "WATER is in CHECKMATE",
    "It is unlikely that you will win from this position.\n\nDo you want to resign?",
};
const std::set<std::string> kEndings = {"you win!", "you lose!", "Double Checkmate - you win!",
                                        "Double Checkmate - you lose!"};

class WholeGame : public GameFlow {
  public:
    // Plays up to `turns` turns; the human armies take a random legal move
    // and the computers are moved with the MOVE button. Resigning is refused.
    // Counts the games that ended in `ended`.
    void Play(const std::string& argument, unsigned seed, int turns) {
        layer = TFakeWindowLayer{};
        StartLauncher(argument);
        std::minstd_rand random(seed);
        int played = 0;
        for (; played < turns && !layer.destroyed; ++played) {
            const std::int32_t army = Board().armyToMove;
            layer.Forget();
            layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::No, TBoxAnswer::No};
            const TDieFace face = static_cast<std::int32_t>(random() % 6 + 1);
            TLegalMoveList legal;
            ListLegalMoves(Board(), army, face, legal);
            Enter(face);
            if (Turn().throwValue != 0) {
                ASSERT_FALSE(legal.Empty());
                ASSERT_EQ(Turn().checkmated[army], 0);
                if (Board().GetPlayerCode(army) == Human) {
                    const TLegalMove move = legal[static_cast<int>(random() % legal.Size())];
                    Drag(move.from.Square(), move.to.Square());
                } else {
                    MoveButton();
                }
                ASSERT_EQ(Turn().throwValue, 0) << "move not accepted for army " << army;
            } else {
                ASSERT_FALSE(layer.boxes.empty());
                EXPECT_TRUE(legal.Empty() || Turn().checkmated[army]);
            }
            for (const TMessageBox& box : layer.boxes)
                EXPECT_TRUE(kTurnNotices.count(box.text) || kEndings.count(box.text)) << box.text;
            if (!layer.destroyed) {
                EXPECT_EQ(Board().armyToMove, NextArmy(army));
            }
        }
        if (layer.destroyed) {
            EXPECT_TRUE(kEndings.count(layer.boxes.back().text)) << layer.boxes.back().text;
            EXPECT_NE(AnalysisText().find("ANSWER to the question."), std::string::npos);
        }
        ended += layer.destroyed ? 1 : 0;
    }
    int ended = 0;
};

// Some of these games end, by the Ptah square or by double checkmate.
TEST_F(WholeGame, HumanAgainstComputers) {
    for (unsigned seed : {3u, 8u, 25u, 31u}) Play(kVersusComputers, seed, 500);
    EXPECT_GT(ended, 0);
}

TEST_F(WholeGame, FourHumans) {
    for (unsigned seed : {28u, 29u}) Play(kAllHuman, seed, 500);
    EXPECT_GT(ended, 0);
}

}  // namespace
}  // namespace vaeloric::testing
