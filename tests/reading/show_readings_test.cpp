// SPDX-License-Identifier: GPL-3.0-or-later

#include "reading/show_readings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reading/move_reading.h"

namespace vaeloric {
namespace {

class TRecordingDisplay : public TReadingDisplay {
  public:
    void ShowReading(const std::string& caption, const std::string& text) override {
        EXPECT_EQ(waiting, 0) << "a dialog under the wait cursor";
        captions.push_back(caption);
        texts.push_back(text);
    }
    void BeginWait() override { ++waiting, ++waits; }
    void EndWait() override { --waiting; }

    std::vector<std::string> captions, texts;
    int waiting = 0, waits = 0;
};

TEST(ShowReadings, SwitchesChooseTheDialogsButNotThePass) {
    const std::string whole = "Whole game analysis - (Significator : Fire Horse )";
    struct {
        TReadingSwitches switches;
        std::vector<std::string> captions;
    } cases[] = {
        {{false, false}, {}},
        {{true, false}, {"Last move analysis"}},  // the start-up state
        {{false, true}, {whole}},
        {{true, true}, {whole, "Last move analysis"}},
    };
    for (const auto& c : cases) {
        // The Fire board with the Ptah square on G2: the Questioner is army 1
        // and its companion a Horse. Its Queen has just moved to E4.
        TBoard board;
        board.SetUp(TSquare{2, 7}, 'F');
        board.PutPiece(4, 5, TPiece{Queen, 1, 3, 1, 0});
        TReadingRecord record;
        TRecordingDisplay display;
        ShowReadings(record, board, 4, 5, c.switches, display);
        EXPECT_EQ(display.captions, c.captions);
        EXPECT_EQ(display.waiting, 0);
        EXPECT_EQ(display.waits, c.switches.move ? 2 : 1);

        // The same as reading the move by hand, with army 1 the Questioner.
        TReadingRecord byHand;
        ReadMove(byHand, 3, 4, 5, TPiece{Queen, 1}, true, false);
        EXPECT_EQ(record.gameActivation, byHand.gameActivation);
        EXPECT_EQ(record.gameText, byHand.gameText);
        ReadMove(byHand, 3, 4, 5, TPiece{Queen, 1}, true, true);
        EXPECT_EQ(record.moveText, c.switches.move ? byHand.moveText : kNoMovesText);
        if (c.switches.whole) {
            EXPECT_EQ(display.texts.front(), record.gameText);
        }
        if (c.switches.move) {
            EXPECT_EQ(display.texts.back(), record.moveText);
        }
    }
}

TEST(ShowReadings, TheQuestionerIsTheArmyToMove) {
    TBoard board;
    board.SetUp(TSquare{2, 7}, 'A');
    board.PutPiece(8, 7, TPiece{King, 1, 3, 1, 0});
    TReadingRecord record, expected;
    TRecordingDisplay display;
    ShowReadings(record, board, 8, 7, TReadingSwitches{}, display);
    ReadMove(expected, 1, 8, 7, TPiece{King, 1}, true, true);
    EXPECT_EQ(record.moveText, expected.moveText);

    board.armyToMove = 2;  // another army's move: not the Questioner's
    ShowReadings(record, board, 8, 7, TReadingSwitches{}, display);
    ReadMove(expected, 1, 8, 7, TPiece{King, 1}, false, true);
    EXPECT_EQ(record.moveText, expected.moveText);
}

TEST(WholeGameCaption, CaptionElementsFollowTheirOwnOrder) {
    EXPECT_EQ(WholeGameCaption(2, Horse), "Whole game analysis - (Significator : Water Horse )");
    EXPECT_EQ(WholeGameCaption(3, Rook), "Whole game analysis - (Significator : Air Rook )");
    EXPECT_EQ(WholeGameCaption(4, Queen), "Whole game analysis - (Significator : Earth Queen )");
    EXPECT_EQ(WholeGameCaption(4, 0), "Whole game analysis - (Significator : Earth )");
}

TEST(ReadSquareAsLastMove, EmptySquareChangesNothing) {
    TBoard board;
    board.SetUp(TSquare{2, 7}, 'W');
    board.PutPiece(4, 4, TPiece{});
    TReadingRecord record;
    EXPECT_FALSE(ReadSquareAsLastMove(record, board, 4, 4));
    EXPECT_EQ(record.gameText, kNoMovesText);
}

}  // namespace
}  // namespace vaeloric
