// SPDX-License-Identifier: GPL-3.0-or-later

// The move list beside the board: its entries follow the record, a past
// position is the one the game had then, and while it is shown nothing can
// be played.
#include "flow/move_list.h"

#include <random>

#include "flow/saved_game.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

class MoveListFlow : public GameFlow {
  protected:
    std::string Position() const {
        return FormatSavedGame('W', game->board, game->setup, game->turn, game->reading);
    }
    // Plays `turns` turns, keeping the position after each (index 0: before
    // the first).
    void Play(int turns) {
        std::minstd_rand random(4);
        positions.push_back(Position());
        for (int played = 0; played < turns; ++played) {
            layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::No};
            Enter(static_cast<std::int32_t>(random() % 6 + 1));
            if (Turn().throwValue != 0) {
                TLegalMove move;
                if (Board().GetPlayerCode(Board().armyToMove) == Human) {
                    ASSERT_TRUE(FirstLegalMove(Turn().throwValue, move));
                    Drag(move.from.Square(), move.to.Square());
                } else {
                    MoveButton();
                }
            }
            positions.push_back(Position());
        }
    }
    std::string Viewed(const TTurnList& list) const {
        const TRecordPosition* shown = list.ViewedPosition();
        return FormatSavedGame('W', shown->board, shown->setUp, shown->turn, shown->reading);
    }
    std::vector<std::string> positions;
};

TEST_F(MoveListFlow, EntriesFollowTheRecord) {
    StartLauncher(kVersusComputers);
    Play(24);
    TTurnList list(*controller);
    const std::vector<TMoveListEntry> entries = list.Entries();
    ASSERT_EQ(entries.size(), 24u);
    int missed = 0, moved = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const TRecordTurn& turn = controller->Record().turns[i];
        EXPECT_EQ(entries[i].number, long(i + 1));
        EXPECT_EQ(entries[i].face, turn.face);
        if (turn.Moved()) {
            ++moved;
            EXPECT_EQ(entries[i].move.substr(1, 2), SquareName(turn.from));
            EXPECT_NE(entries[i].move.find(SquareName(turn.to)), std::string::npos);
            EXPECT_FALSE(entries[i].omen.empty());
            EXPECT_EQ(entries[i].omenWords.rfind(entries[i].omen, 0), 0u);
        } else {
            ++missed;
            EXPECT_EQ(entries[i].move, "Miss Go");
            EXPECT_EQ(entries[i].omen, "");
        }
    }
    EXPECT_GT(missed, 0);
    EXPECT_GT(moved, 0);
    EXPECT_EQ(DieFaceText(1), "\u2680");
    EXPECT_EQ(DieFaceText(6), "\u2685");
    EXPECT_EQ(DieFaceText(0), "-");
}

TEST_F(MoveListFlow, APastPositionIsTheGamesOwnAndReadOnly) {
    StartLauncher(kAllHuman);
    Play(16);
    TTurnList list(*controller);
    for (long turn : {0L, 1L, 7L, 15L}) {
        ASSERT_TRUE(list.View(turn));
        EXPECT_EQ(Viewed(list), positions[static_cast<std::size_t>(turn)]) << turn;
    }
    EXPECT_EQ(list.Banner(), "Viewing turn 15");
    ASSERT_TRUE(list.View(0));
    EXPECT_EQ(list.Banner(), "Viewing the start");

    // Nothing plays while a past turn is shown.
    const std::string live = Position();
    const std::string record = FormatRecord(controller->Record());
    ThrowButton();
    Enter(3);
    MoveButton();
    TLegalMove move;
    for (TDieFace face = 1; face <= 6; ++face)
        if (FirstLegalMove(face, move)) Drag(move.from.Square(), move.to.Square());
    EXPECT_EQ(Position(), live);
    EXPECT_EQ(FormatRecord(controller->Record()), record);
    EXPECT_FALSE(controller->AwaitsThrow());

    // The keys: End is the game, and play goes on.
    list.Last();
    EXPECT_FALSE(list.Viewing());
    EXPECT_EQ(list.Banner(), "");
    EXPECT_TRUE(controller->AwaitsThrow());
    list.Previous();
    EXPECT_EQ(list.ShownTurn(), 15);
    list.Previous();
    EXPECT_EQ(list.ShownTurn(), 14);
    list.Next();
    list.Next();
    EXPECT_FALSE(list.Viewing());
    list.Next();  // past the game: nothing
    EXPECT_FALSE(list.Viewing());
    list.First();
    EXPECT_EQ(list.ShownTurn(), 0);
    list.Previous();  // before the start: nothing
    EXPECT_EQ(list.ShownTurn(), 0);
    EXPECT_FALSE(list.View(17));
    list.BackToGame();
    ThrowButton();
    EXPECT_TRUE(Turn().throwValue != 0 || controller->Record().turns.size() == 17u);
}

}  // namespace
}  // namespace vaeloric::testing
