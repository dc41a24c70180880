// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/command_line.h"

#include <gtest/gtest.h>

#include <string>

#include "flow/seats.h"

namespace vaeloric {
namespace {

TSetUpRecord Parse(const std::string& argument, char letter = 'W') {
    TSetUpRecord record;
    ParseLauncherArgument(argument, letter, record);
    return record;
}

TEST(StartMode, ArgumentCountAndStarDecide) {
    const char* none[] = {nullptr};
    const char* star[] = {"*"};
    const char* starMore[] = {"*whatever"};
    const char* launcher[] = {"45xQ^@A^@fff"};
    const char* two[] = {"45xQ", "more"};
    EXPECT_EQ(DecideStartMode(0, none), TStartMode::Demonstration);
    EXPECT_EQ(DecideStartMode(2, two), TStartMode::Demonstration);
    EXPECT_EQ(DecideStartMode(1, star), TStartMode::Reload);
    EXPECT_EQ(DecideStartMode(1, starMore), TStartMode::Reload);
    EXPECT_EQ(DecideStartMode(1, launcher), TStartMode::Launcher);
    EXPECT_EQ(ReloadPath("*"), "");
    EXPECT_EQ(ReloadPath("*/tmp/a b.vae"), "/tmp/a b.vae");
}

TEST(LauncherArgument, FieldsSeatsAndNames) {
    const TSetUpRecord record = Parse("27xWill it rain?^@ANNA GREY^@hBOB^@fhmARY ANNE^@", 'F');
    EXPECT_EQ(SquareName(record.ptah) + record.boardLetter, "G2F");
    EXPECT_EQ(record.caption, "VAELORIC CHESS - Will it rain?");
    EXPECT_EQ(record.Question(), "Will it rain?");
    EXPECT_EQ(record.questionerName, "Anna Grey");
    EXPECT_EQ(record.seatCode[2], 1);
    EXPECT_EQ(record.seatName[2], "Bob");
    EXPECT_EQ(record.seatCode[3], 2);
    EXPECT_EQ(record.seatName[3], "");
    EXPECT_EQ(record.seatCode[4], 1);
    EXPECT_EQ(record.seatName[4], "mary Anne");
    EXPECT_EQ(CheckLauncherRecord(record), "");
}

TEST(LauncherArgument, UnknownSeatLetterLeavesCodeZeroAndReadsNoName) {
    const TSetUpRecord record = Parse("45xQ^@Ann^@zhBob^@q");
    EXPECT_EQ(record.seatCode[2], 0);
    EXPECT_EQ(record.seatCode[3], 1);
    EXPECT_EQ(record.seatName[3], "Bob");
    EXPECT_EQ(record.seatCode[4], 8);
    EXPECT_NE(CheckLauncherRecord(record), "");
}

// The Seer's letter is taken in every seat, and only it of the letters
// past q; the launcher offers it in each.
TEST(LauncherArgument, TheSeerTakesAnySeat) {
    const TSetUpRecord record = Parse("45xQ^@Ann^@shBob^@s");
    EXPECT_EQ(record.seatCode[2], 9);
    EXPECT_EQ(record.seatCode[3], 1);
    EXPECT_EQ(record.seatCode[4], 9);
    EXPECT_EQ(CheckLauncherRecord(record), "");
    EXPECT_EQ(Parse("45xQ^@Ann^@fsf").seatCode[3], 9);
    EXPECT_NE(CheckLauncherRecord(Parse("45xQ^@Ann^@ftf")), "");
    for (int seat = 2; seat <= 4; ++seat) {
        EXPECT_TRUE(SeatOffersPlayer(seat, 9)) << seat;
        EXPECT_FALSE(SeatOffersPlayer(seat, 10)) << seat;
    }
    EXPECT_FALSE(SeatOffersPlayer(3, 5));
    EXPECT_EQ(LetterOfPlayerCode(9), 's');
    EXPECT_EQ(PlayerCodeOfLetter('s'), 9);
    EXPECT_EQ(std::string(OpponentName(9)), "The Seer");
}

TEST(LauncherArgument, LimitsCutLongFields) {
    const std::string question238(238, 'q');
    TSetUpRecord record = Parse("45x" + question238 + "^@Ann^@fff");
    EXPECT_EQ(record.caption, "VAELORIC CHESS - " + question238);
    EXPECT_EQ(record.questionerName, "Ann");

    record = Parse("45x" + question238 + "TAIL^@Ann^@fof");
    EXPECT_EQ(record.caption.size(), 17u + 238u);
    EXPECT_EQ(record.questionerName, "Ann");
    EXPECT_EQ(record.seatCode[3], 3);

    const std::string name30 = "Abcdefghijklmnopqrstuvwxyz1234";
    record = Parse("45xQ^@" + name30 + "^@h" + name30 + "^@ff");
    EXPECT_EQ(record.questionerName, name30.substr(0, 24));
    EXPECT_EQ(record.seatName[2], name30.substr(0, 24));
    EXPECT_EQ(record.seatCode[3], 2);
    EXPECT_EQ(record.seatCode[4], 2);
}

TEST(LauncherArgument, ShortOrBrokenArgumentsNeverOverrun) {
    for (const std::string& argument :
         {std::string(), std::string("4"), std::string("45"), std::string("45x"),
          std::string("45xQ"), std::string("45xQ^"), std::string("45xQ^@"),
          std::string("45xQ^@Ann"), std::string("45xQ^@Ann^@h"), std::string("^@^@^@^@"),
          std::string("45x\0Q^@A^@fff", 13)}) {
        const TSetUpRecord record = Parse(argument);
        EXPECT_LE(record.caption.size(), 255u);
        EXPECT_LE(record.questionerName.size(), 24u);
    }
    EXPECT_EQ(Parse("45xQ^@Ann^@h").seatName[2], "");
}

TEST(LauncherArgument, PtahDigitsOutsideTheBoardAreRefused) {
    for (const char* argument : {"09xQ^@A^@fff", "90xQ^@A^@fff", "4axQ^@A^@fff", "", "4"})
        EXPECT_NE(CheckLauncherRecord(Parse(argument)), "") << argument;
    EXPECT_EQ(CheckLauncherRecord(Parse("18xQ^@A^@fff")), "");
}

TEST(NameCase, FoldsCapitalsNotAfterABlank) {
    struct Row {
        const char* in;
        const char* out;
    };
    for (const Row row : {Row{"ANNA GREY", "Anna Grey"}, Row{"mARY ANNE", "mary Anne"},
                          Row{"A", "A"}, Row{"", ""}, Row{"O'NEIL-SMITH", "O'neil-smith"}}) {
        std::string name = row.in;
        FoldNameCase(name);
        EXPECT_EQ(name, row.out);
    }
}

TEST(Seats, QuadrantTableGivesEachSeatItsArmy) {
    struct Row {
        const char* argument;
        std::int32_t armies[5];
    };
    const Row rows[] = {
        {"45xQ^@A^@fof", {0, 1, 2, 3, 4}},
        {"54xQ^@A^@fof", {0, 3, 4, 1, 2}},
        {"11xQ^@A^@fof", {0, 2, 3, 4, 1}},
        {"88xQ^@A^@fof", {0, 4, 1, 2, 3}},
    };
    for (const Row& row : rows) {
        const TSetUpRecord record = Parse(row.argument);
        const TSeatArmies seats = SeatArmies(record);
        for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(seats.army[seat], row.armies[seat]);
        TBoard board;
        AssignSeats(record, board);
        EXPECT_EQ(board.GetPlayerCode(row.armies[1]), 1);
        EXPECT_EQ(board.GetPlayerCode(row.armies[2]), 2);
        EXPECT_EQ(board.GetPlayerCode(row.armies[3]), 3);
        EXPECT_EQ(board.GetPlayerCode(row.armies[4]), 2);
    }
}

}  // namespace
}  // namespace vaeloric
