// SPDX-License-Identifier: GPL-3.0-or-later

// The turn panel's name lines and the information panel's piece names.
#include <gtest/gtest.h>

#include "game/internal_error.h"
#include "render/panel_texts.h"
#include "tests/render/render_test_support.h"

namespace vaeloric {
namespace {

TEST(TurnName, SplitsIntoTwoLinesOfNine) {
    struct {
        const char* name;
        const char* first;
        const char* second;
    } const cases[] = {
        {"Varro Quillane", "Varro ", "Quillane"},
        {"Maximiliano", "Maximilia", ""},        // one long word: cut, one line
        {"AR Morrow", "AR Morrow", ""},          // exactly nine fits
        {"Dr Aldous Fenn", "Dr ", "Aldous Fe"},  // second line cut at nine
        {"H. Tarrant Bell", "H. ", "Tarrant B"},
        {"Anna Grey", "Anna Grey", ""},
        {"Al Bo Cy Di", "Al Bo Cy ", "Di"},
        {"Bartholomew Fitzgerald", "Bartholom", "Fitzgeral"},
        {"", "", ""},
        {"a b c d e f g h i j k", "a b c d ", "e f g h i"},
        // Lines count letters, not bytes.
        {"Zo\xC3\xAB \xC3\x85ngstr\xC3\xB6m", "Zo\xC3\xAB ", "\xC3\x85ngstr\xC3\xB6m"},
        {"\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xB8\xD0\xB9\xD0\xB5\xD0\xB2\xD0\xB8\xD1\x87",
         "\xD0\x94\xD0\xBC\xD0\xB8\xD1\x82\xD1\x80\xD0\xB8\xD0\xB9\xD0\xB5\xD0\xB2", ""},
    };
    for (const auto& c : cases) {
        const auto [first, second] = SplitTurnName(c.name);
        EXPECT_EQ(first, c.first) << c.name;
        EXPECT_EQ(second, c.second) << c.name;
    }
}

TEST(TurnName, HumanSeatsInPlayingOrderAndComputerNames) {
    // Ptah on G2: the Questioner plays army 1, seats 2..4 armies 2, 3, 4.
    const TSetUpRecord setUp = test::SampleSetUp("27W", 1, 8, 1);
    TBoard board = test::SetUpBoard(setUp);
    const char* expected[5] = {"", "Anna Grey", "Bob", "Varro Quillane", "Dmitri Ivanovich"};
    for (int army = 1; army <= 4; ++army) {
        board.armyToMove = army;
        EXPECT_EQ(TurnPanelName(board, setUp), expected[army]) << army;
    }
    // Ptah on D5: the Questioner plays army 3, so army 1 is seat 3.
    const TSetUpRecord other = test::SampleSetUp("54W", 1, 1, 6);
    board = test::SetUpBoard(other);
    board.armyToMove = 1;
    EXPECT_EQ(TurnPanelName(board, other), "Carol");
    board.armyToMove = 2;
    EXPECT_EQ(TurnPanelName(board, other), "Imelda Morrow");
}

TEST(PieceName, ElementAndKindWithJoinedKings) {
    EXPECT_EQ(PieceNameText(1, HorsePawn, Queen), "FIRE PAWN");
    EXPECT_EQ(PieceNameText(2, King, Queen), "EARTH KING");
    EXPECT_EQ(PieceNameText(3, CombinedKing, Queen), "AIR QUEEN/KING");
    // The longest names are 17 characters and are shown whole.
    EXPECT_EQ(PieceNameText(4, CombinedKing, Bishop), "WATER BISHOP/KING");
    EXPECT_EQ(PieceNameText(2, CombinedKing, Bishop), "EARTH BISHOP/KING");
    EXPECT_THROW(PieceNameText(0, Queen, Queen), TInternalError);
    EXPECT_THROW(PieceNameText(1, 11, Queen), TInternalError);
}

}  // namespace
}  // namespace vaeloric
