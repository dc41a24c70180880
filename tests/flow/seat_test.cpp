// SPDX-License-Identifier: GPL-3.0-or-later

// The seats: the turn cycle asks the seat of the army to move for its throw
// and its move, whatever its player code.
#include "flow/seat.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "flow/seats.h"
#include "flow/turn_cycle.h"

namespace vaeloric {
namespace {

class TQuiet : public TTurnEvents {
  public:
    void MissedGo(TMissGo) override {}
    void Moved(TSquare, TSquare, bool) override {}
    void ShowReading(const std::string&, const std::string&) override {}
    TReadingSwitches Switches() const override { return TReadingSwitches{false, false}; }
    void TurnEnded(const TEndOfGameDecision& decision) override { over = decision.GameOver(); }
    bool over = false;
};

// A game with computer profiles in every seat (the Questioner's army too).
struct TTable {
    explicit TTable(std::int32_t questionerCode = 5) {
        TSetUpRecord setUp;
        setUp.ptah = TSquare{2, 1};
        setUp.boardLetter = 'W';
        setUp.seatCode = {0, 0, 2, 8, 4};
        AssignSeats(setUp, board);
        board.SetPlayerCode(SeatArmies(setUp).army[1], questionerCode);
        board.SetUp(setUp.ptah, setUp.boardLetter);
    }
    TBoard board;
    TTurnState turn;
    TReadingRecord reading;
    TQuiet events;
    TTurnCycle cycle{board, turn, reading, events};
};

// A seat played elsewhere, standing in for a guest whose moves are its
// computer profile's: it notes what it was asked.
class TNotingSeat final : public TSeat {
  public:
    TSeatKind Kind() const override { return TSeatKind::Remote; }
    void AwaitThrow(long turn, std::int32_t army) override { throws.push_back({turn, army}); }
    bool Move(TTurnCycle& cycle, long turn, std::int32_t army) override {
        moves.push_back({turn, army});
        return cycle.ComputerMove();
    }
    std::vector<std::pair<long, std::int32_t>> throws, moves;
};

TEST(Seats, EachPlayerCodeStandsForItsSeat) {
    EXPECT_EQ(SeatOfCode(Human).Kind(), TSeatKind::AtThisScreen);
    for (std::int32_t code = 2; code <= 9; ++code)
        EXPECT_EQ(SeatOfCode(code).Kind(), TSeatKind::Computer) << code;

    TTable table(Human);
    const std::int32_t questioner = table.board.questionerArmy;
    EXPECT_EQ(table.cycle.SeatOf(questioner).Kind(), TSeatKind::AtThisScreen);
    TNotingSeat remote;
    table.cycle.PlaceSeat(questioner, &remote);
    EXPECT_EQ(&table.cycle.SeatOf(questioner), &remote);
    for (std::int32_t army = 1; army <= 4; ++army) {
        if (army != questioner)
            EXPECT_EQ(table.cycle.SeatOf(army).Kind(), TSeatKind::Computer) << army;
    }
    table.cycle.PlaceSeat(questioner, nullptr);
    EXPECT_EQ(table.cycle.SeatOf(questioner).Kind(), TSeatKind::AtThisScreen);
}

// A person at this screen moves only by a drop: asked for its move, its seat
// leaves the throw pending.
TEST(Seats, APersonsMoveWaitsForTheDrop) {
    TTable table(Human);
    const std::int32_t army = table.board.armyToMove;
    ASSERT_EQ(table.cycle.SeatToMove().Kind(), TSeatKind::AtThisScreen);
    table.cycle.Throw(1);  // a pawn can always move at the start
    ASSERT_EQ(table.turn.throwValue, 1);
    EXPECT_FALSE(table.cycle.MoveBySeat(1));
    EXPECT_EQ(table.turn.throwValue, 1);
    EXPECT_EQ(table.board.armyToMove, army);
    EXPECT_EQ(table.turn.mover, 0);
}

// A whole game with one army's seat placed: the game is the one its player
// code plays, and only that seat was asked, once per turn of its army.
TEST(Seats, TheCycleAsksThePlacedSeatOnEveryTurnOfItsArmyOnly) {
    for (std::int32_t placedArmy = 1; placedArmy <= 4; ++placedArmy) {
        TTable plain, placed;
        TNotingSeat seat;
        placed.cycle.PlaceSeat(placedArmy, &seat);
        std::minstd_rand dicePlain(placedArmy), dicePlaced(placedArmy);
        std::vector<std::pair<long, std::int32_t>> expectedThrows, expectedMoves;
        for (long turn = 1; turn <= 120 && !plain.events.over; ++turn) {
            const std::int32_t army = plain.board.armyToMove;
            ASSERT_EQ(placed.board.armyToMove, army);
            plain.cycle.AwaitThrow(turn);
            placed.cycle.AwaitThrow(turn);
            const auto face = static_cast<TDieFace>(dicePlain() % 6 + 1);
            ASSERT_EQ(face, static_cast<TDieFace>(dicePlaced() % 6 + 1));
            plain.cycle.Throw(face);
            placed.cycle.Throw(face);
            if (army == placedArmy) expectedThrows.push_back({turn, army});
            if (plain.turn.throwValue == 0) continue;
            if (army == placedArmy) expectedMoves.push_back({turn, army});
            EXPECT_TRUE(plain.cycle.MoveBySeat(turn));
            EXPECT_TRUE(placed.cycle.MoveBySeat(turn));
            ASSERT_TRUE(SquaresEqual(plain.turn.moveFrom, placed.turn.moveFrom)) << turn;
            ASSERT_TRUE(SquaresEqual(plain.turn.moveTo, placed.turn.moveTo)) << turn;
        }
        EXPECT_EQ(seat.throws, expectedThrows) << placedArmy;
        EXPECT_EQ(seat.moves, expectedMoves) << placedArmy;
        EXPECT_FALSE(seat.moves.empty()) << placedArmy;
    }
}

}  // namespace
}  // namespace vaeloric
