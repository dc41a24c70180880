// SPDX-License-Identifier: GPL-3.0-or-later

// The THROW button's die: every face 1 to 6 and nothing else.
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

TEST_F(GameFlow, ThrowButtonGivesEveryFaceFromOneToSix) {
    StartLauncher();
    // Army 1 has a piece for every face, each free to move.
    ClearBoard();
    Place(1, 8, King, 1);
    Place(4, 4, Queen, 1);
    Place(3, 2, Horse, 1);
    Place(3, 7, Bishop, 1);
    Place(5, 1, Rook, 1);
    Place(4, 6, HorsePawn, 1);
    Place(8, 1, King, 3);
    for (int face = 1; face <= 6; ++face) {
        Enter(face);
        ASSERT_EQ(Turn().throwValue, face) << "no move for face " << face;
        Turn().throwValue = 0;
    }
    ASSERT_TRUE(layer.boxes.empty());

    int seen[7] = {};
    for (int throwNumber = 0; throwNumber < 300; ++throwNumber) {
        ThrowButton();
        ASSERT_EQ(Board().armyToMove, 1) << "a face that moves nothing: " << Turn().throwValue;
        const int face = Turn().throwValue;
        ASSERT_TRUE(face >= 1 && face <= 6) << face;
        ++seen[face];
        Turn().throwValue = 0;
    }
    for (int face = 1; face <= 6; ++face) EXPECT_GT(seen[face], 20) << face;
}

}  // namespace
}  // namespace vaeloric::testing
