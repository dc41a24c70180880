#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "reading/move_reading.h"
#include "reading/show_readings.h"

namespace vaeloric {
namespace {

class TRecordingDisplay : public TReadingDisplay {
public:
    void ShowReading(const std::string& caption, const std::string& text) override {
        EXPECT_EQ(waiting, 0) << "a dialog under the wait cursor";
        shown.emplace_back(caption, text);
    }
    void BeginWait() override { ++waiting, ++waits; }
    void EndWait() override { --waiting; }

    std::vector<std::pair<std::string, std::string>> shown;
    int waiting = 0, waits = 0;
};

// A Fire board with the Questioner in army 1 (Ptah on G2), its Queen moved to E4.
TBoard BoardAfterAMove() {
    TBoard board;
    board.SetUp("27F");
    board.PutPiece(4, 5, TPiece{Queen, 1, 3, 1, 0});
    return board;
}

TEST(ShowReadings, BothSwitchesOffStillRunsTheWholeGamePass) {
    TBoard board = BoardAfterAMove();
    TReadingRecord record;
    TRecordingDisplay display;
    ShowReadings(record, board, 4, 5, TReadingSwitches{false, false}, display);
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(display.waits, 1);
    EXPECT_EQ(record.moveText, kNoMovesText);
    EXPECT_NE(record.gameText, kNoMovesText);
    EXPECT_NE(record.gameActivation[2], kRestingActivation);
}

TEST(ShowReadings, WholeGameFirstThenTheMove) {
    TBoard board = BoardAfterAMove();
    TReadingRecord record;
    TRecordingDisplay display;
    ShowReadings(record, board, 4, 5, TReadingSwitches{true, true}, display);
    ASSERT_EQ(display.shown.size(), 2u);
    EXPECT_EQ(display.shown[0].first,
              WholeGameCaption(board.questionerArmy, board.CompanionKind()));
    EXPECT_EQ(display.shown[0].second, record.gameText);
    EXPECT_EQ(display.shown[1].first, "Last move analysis");
    EXPECT_EQ(display.shown[1].second, record.moveText);
    EXPECT_EQ(display.waits, 2);
    EXPECT_EQ(display.waiting, 0);

    // The same as reading the move by hand: the mover (army 1) is the Questioner.
    TReadingRecord byHand;
    ReadMove(byHand, 3, 4, 5, TPiece{Queen, 1}, true, false);
    ReadMove(byHand, 3, 4, 5, TPiece{Queen, 1}, true, true);
    EXPECT_EQ(byHand.moveText, record.moveText);
    EXPECT_EQ(byHand.gameActivation, record.gameActivation);
}

TEST(ShowReadings, StartUpSwitchesShowOnlyTheMove) {
    TBoard board = BoardAfterAMove();
    TReadingRecord record;
    TRecordingDisplay display;
    ShowReadings(record, board, 4, 5, TReadingSwitches{}, display);
    ASSERT_EQ(display.shown.size(), 1u);
    EXPECT_EQ(display.shown[0].first, "Last move analysis");
}

TEST(ShowReadings, QuestionerIsTheArmyToMove) {
    // The Questioner's King moves while the Questioner is to move: Sol enters
    // at 3.0 in the move reading, and its sentences are those of army 2.
    TBoard board;
    board.SetUp("27A");
    board.PutPiece(8, 7, TPiece{King, 1, 3, 1, 0});
    TReadingRecord record;
    TRecordingDisplay display;
    ShowReadings(record, board, 8, 7, TReadingSwitches{}, display);
    TReadingRecord expected;
    ReadMove(expected, 1, 8, 7, TPiece{King, 1}, true, true);
    EXPECT_EQ(record.moveText, expected.moveText);

    board.armyToMove = 2;  // another army moved the same piece: not the Questioner
    ShowReadings(record, board, 8, 7, TReadingSwitches{}, display);
    ReadMove(expected, 1, 8, 7, TPiece{King, 1}, false, true);
    EXPECT_EQ(record.moveText, expected.moveText);
}

TEST(WholeGameCaption, ElementAndSignificator) {
    struct { int army, companion; const char* caption; } cases[] = {
        {1, Queen, "Whole game analysis - (Significator : Fire Queen )"},
        {2, Horse, "Whole game analysis - (Significator : Water Horse )"},
        {3, Rook, "Whole game analysis - (Significator : Air Rook )"},
        {4, Bishop, "Whole game analysis - (Significator : Earth Bishop )"},
        {4, 0, "Whole game analysis - (Significator : Earth )"},
    };
    for (const auto& c : cases) EXPECT_EQ(WholeGameCaption(c.army, c.companion), c.caption);
}

TEST(ReadSquareAsLastMove, EmptySquareChangesNothing) {
    TBoard board;
    board.SetUp("27W");
    board.PutPiece(4, 4, TPiece{});
    TReadingRecord record;
    EXPECT_FALSE(ReadSquareAsLastMove(record, board, 4, 4));
    EXPECT_EQ(record.gameText, kNoMovesText);
    EXPECT_EQ(record.moveText, kNoMovesText);
}

}  // namespace
}  // namespace vaeloric
