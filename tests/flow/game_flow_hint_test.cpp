// SPDX-License-Identifier: GPL-3.0-or-later

// The hint: worked out on a thread of its own while the window goes on,
// shown only for the turn it was asked for, legal for the throw, noted in
// the record, and never changing the game itself.
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "flow/game_record.h"
#include "flow/move_list.h"
#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

using THint = TGameController::THintState;

// A search that waits for the test to let it answer, then answers with the
// Seer's move and the number of its call as the value, so that answers can
// be told apart.
class TGatedSearch {
  public:
    THintSearch Search() {
        return [this](TBoard& board, std::int32_t army, TDieFace face, const TSeerGame& game,
                      const TSeerLimits& limits) {
            std::unique_lock<std::mutex> lock(mutex_);
            const int call = ++calls_;
            // Bounded: a test that forgets to open the gate fails, not hangs.
            opened_.wait_for(lock, std::chrono::seconds(20), [this] { return open_; });
            lock.unlock();
            TSeerLimits quick = limits;
            quick.nodes = 200;
            quick.milliseconds = 0;
            TSeerAnswer answer = SeerHintSearch(board, army, face, game, quick);
            answer.value = call;
            return answer;
        };
    }
    void Open() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }

  private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = false;
    int calls_ = 0;
};

// Every square, the army to move and the side bonuses alike.
bool SameBoard(const TBoard& a, const TBoard& b) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (!(a.At(rank, file) == b.At(rank, file))) return false;
    for (int i = 0; i < 4; ++i)
        if (a.queenBonus[i] != b.queenBonus[i] || a.bishopBonus[i] != b.bishopBonus[i])
            return false;
    return a.armyToMove == b.armyToMove;
}

class Hint : public GameFlow {
  protected:
    // A launcher game, every seat a person, with a throw pending that
    // leaves army 1 a move.
    void StartWithThrow(TDieFace face = 6) {
        StartLauncher();
        Enter(face);
        ASSERT_NE(Turn().throwValue, 0);
    }
    // Waits for the worker's answer and lets the window take it.
    void Deliver(std::size_t count = 1) {
        ASSERT_TRUE(layer.WaitForPosted(count));
        layer.RunPosted();
    }
    static bool Legal(TBoard board, std::int32_t army, TDieFace face, const TSeerAnswer& hint) {
        TLegalMoveList legal;
        ListLegalMoves(board, army, face, legal);
        for (const TLegalMove& move : legal)
            if (SquaresEqual(move.from.Square(), hint.from.Square()) &&
                SquaresEqual(move.to.Square(), hint.to.Square()))
                return true;
        return false;
    }
};

TEST_F(Hint, TheWindowGoesOnWhileTheHintIsWorkedOut) {
    StartWithThrow();
    TGatedSearch gate;
    controller->SetHintSearch(gate.Search());
    const TBoard before = Board();

    controller->AskHint();
    // The search is held at its gate: the controller has returned at once
    // and takes input meanwhile, the hint only announced.
    EXPECT_EQ(controller->HintState(), THint::Thinking);
    EXPECT_TRUE(controller->AcceptsInput());
    controller->ShowSquare(Sq(2, 2));
    EXPECT_TRUE(layer.Saw("information panel"));
    controller->Command(CmMoveReading);
    EXPECT_FALSE(controller->MoveReading());
    TLegalMove move;
    ASSERT_TRUE(FirstLegalMove(Turn().throwValue, move));
    EXPECT_TRUE(controller->PickUp(move.from.Square()));
    controller->Drop(std::nullopt);  // put back: still the same turn
    controller->AskHint();           // a second ask while one runs changes nothing
    EXPECT_EQ(controller->HintState(), THint::Thinking);
    EXPECT_EQ(layer.RunPosted(), 0);

    gate.Open();
    Deliver();
    ASSERT_EQ(controller->HintState(), THint::Shown);
    EXPECT_EQ(controller->Hint().value, 1);
    EXPECT_TRUE(Legal(Board(), 1, Turn().throwValue, controller->Hint()));
    // Shown, never made.
    EXPECT_TRUE(SameBoard(Board(), before));
    EXPECT_EQ(Board().armyToMove, 1);
    EXPECT_NE(Turn().throwValue, 0);
}

TEST_F(Hint, AnAnswerThatArrivesAfterTheTurnMovedOnIsNeverShown) {
    // The answer is already on its way to the window when something
    // happens; it must be dropped.
    struct TCase {
        const char* what;
        std::function<void()> act;
    };
    const auto move = [this] {
        TLegalMove legal;
        ASSERT_TRUE(FirstLegalMove(Turn().throwValue, legal));
        Drag(legal.from.Square(), legal.to.Square());
    };
    const std::vector<TCase> cases = {
        {"Escape", [this] { controller->CancelHint(); }},
        {"the move", move},
        {"the move and the next throw",
         [&] {
             move();
             Enter(6);
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        controller.reset();  // its hint thread ends before the layer goes
        layer = TFakeWindowLayer{};
        StartWithThrow();
        controller->SetHintLimits(TSeerLimits{200, 0, 12, nullptr});
        controller->AskHint();
        ASSERT_TRUE(layer.WaitForPosted());  // answered, not yet taken
        c.act();
        layer.RunPosted();
        EXPECT_EQ(controller->HintState(), THint::None);
    }
}

TEST_F(Hint, OnlyTheLastHintAskedForIsShown) {
    StartWithThrow();
    TGatedSearch gate;
    gate.Open();
    controller->SetHintSearch(gate.Search());
    controller->AskHint();
    ASSERT_TRUE(layer.WaitForPosted());
    controller->CancelHint();
    controller->AskHint();
    Deliver(2);  // both answers reach the window, the first one first
    ASSERT_EQ(controller->HintState(), THint::Shown);
    EXPECT_EQ(controller->Hint().value, 2);
}

TEST_F(Hint, ACancelledSearchHandsOverNothing) {
    StartWithThrow();
    TGatedSearch gate;
    controller->SetHintSearch(gate.Search());
    controller->AskHint();
    controller->CancelHint();
    EXPECT_EQ(controller->HintState(), THint::None);
    gate.Open();
    EXPECT_FALSE(layer.WaitForPosted(1, std::chrono::milliseconds(300)));
    EXPECT_EQ(controller->HintState(), THint::None);
}

TEST_F(Hint, OnlyAPersonsArmyWithAThrowMayAsk) {
    struct TCase {
        const char* what;
        const char* argument;
        bool thrown;
        bool allowed;
    };
    const TCase cases[] = {
        {"a person before the throw", kAllHuman, false, false},
        {"a person after the throw", kAllHuman, true, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        controller.reset();  // its hint thread ends before the layer goes
        layer = TFakeWindowLayer{};
        StartLauncher(c.argument);
        if (c.thrown) Enter(6);
        EXPECT_EQ(controller->CanAskHint(), c.allowed);
        controller->SetHintLimits(TSeerLimits{200, 0, 12, nullptr});
        controller->AskHint();
        EXPECT_EQ(controller->HintState() != THint::None, c.allowed);
        if (c.allowed) Deliver();
    }
    // A computer's army: the Questioner on army 1 moves, then army 2 (a
    // computer) has thrown.
    controller.reset();
    layer = TFakeWindowLayer{};
    StartLauncher(kVersusComputers);
    Enter(6);
    TLegalMove move;
    ASSERT_TRUE(FirstLegalMove(6, move));
    Drag(move.from.Square(), move.to.Square());
    Enter(6);
    ASSERT_EQ(Board().armyToMove, 2);
    ASSERT_TRUE(controller->AwaitsComputerMove());
    EXPECT_FALSE(controller->CanAskHint());
    controller->AskHint();
    EXPECT_EQ(controller->HintState(), THint::None);
}

// Plays a seeded game of persons against computers for some turns, the
// persons taking the first legal move; with `hints` every person's turn
// asks for a hint first and checks it. Saves the game at the end.
struct TPlayed {
    std::vector<TDieFace> throws;
    std::string saved;
    TGameRecord record;
    int hintsShown = 0;
};

TEST_F(Hint, HintsNeverChangeTheGame) {
    const auto play = [this](bool hints) {
        TPlayed played;
        controller.reset();  // its hint thread ends before the layer goes
        layer = TFakeWindowLayer{};
        StartLauncher("45xWill it rain?^@Ann^@hBob^@qo");
        controller->SetHintLimits(TSeerLimits{300, 0, 12, nullptr});
        for (int turn = 0; turn < 40 && !layer.destroyed; ++turn) {
            layer.boxAnswers = {TBoxAnswer::Ok, TBoxAnswer::No, TBoxAnswer::No};
            const std::int32_t army = Board().armyToMove;
            ThrowButton();
            played.throws.push_back(Turn().throwValue);
            if (Turn().throwValue == 0) continue;
            if (Board().GetPlayerCode(army) != Human) {
                MoveButton();
                continue;
            }
            if (hints) {
                const TBoard before = Board();
                controller->AskHint();
                EXPECT_TRUE(layer.WaitForPosted());
                layer.RunPosted();
                EXPECT_EQ(controller->HintState(), THint::Shown);
                EXPECT_TRUE(Legal(Board(), army, Turn().throwValue, controller->Hint()))
                    << "turn " << turn;
                EXPECT_TRUE(SameBoard(Board(), before));
                ++played.hintsShown;
            }
            TLegalMove move;
            EXPECT_TRUE(FirstLegalMove(Turn().throwValue, move));
            Drag(move.from.Square(), move.to.Square());
            EXPECT_EQ(controller->HintState(), THint::None);
        }
        const std::string path = (folder / (hints ? "with.vae" : "without.vae")).string();
        layer.saveScript = {path};
        EXPECT_TRUE(controller->SaveAs());
        played.saved = Contents(path);
        const TRecordReadResult read = ReadRecordFile(RecordFilePath(), played.record);
        EXPECT_TRUE(read.ok) << read.message;
        return played;
    };
    const TPlayed without = play(false);
    const TPlayed with = play(true);
    EXPECT_GT(with.hintsShown, 5);
    EXPECT_EQ(with.throws, without.throws);
    EXPECT_EQ(with.saved, without.saved);
    // The record notes every hint, on the persons' turns alone, and
    // otherwise tells the same game.
    ASSERT_EQ(with.record.turns.size(), without.record.turns.size());
    int noted = 0;
    for (std::size_t i = 0; i < with.record.turns.size(); ++i) {
        TRecordTurn turn = with.record.turns[i];
        // Ann and Bob play armies 1 and 2.
        const bool person = turn.army == 1 || turn.army == 2;
        EXPECT_EQ(turn.hinted, person && turn.Moved()) << "turn " << i + 1;
        EXPECT_FALSE(without.record.turns[i].hinted);
        noted += turn.hinted;
        turn.hinted = false;
        EXPECT_TRUE(turn == without.record.turns[i]) << "turn " << i + 1;
    }
    EXPECT_EQ(noted, with.hintsShown);
}

TEST_F(Hint, TheRecordRefusesAHintNoOneCouldHaveSeen) {
    StartLauncher(kVersusComputers);
    controller->SetHintLimits(TSeerLimits{200, 0, 12, nullptr});
    // Army 1 (a person) takes a hint and moves; army 2 (a computer) moves.
    Enter(6);
    controller->AskHint();
    ASSERT_TRUE(layer.WaitForPosted());
    layer.RunPosted();
    TLegalMove move;
    ASSERT_TRUE(FirstLegalMove(6, move));
    Drag(move.from.Square(), move.to.Square());
    Enter(6);
    MoveButton();
    ASSERT_EQ(controller->Record().turns.size(), 2u);
    ASSERT_TRUE(controller->Record().turns[0].hinted);
    // The move list marks the turn too.
    const std::vector<TMoveListEntry> entries = TTurnList(*controller).Entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].hinted);
    EXPECT_FALSE(entries[1].hinted);
    TGameRecord good = controller->Record();
    TGameRecord read;
    ASSERT_TRUE(ParseRecord(FormatRecord(good), read).ok);
    EXPECT_TRUE(read.turns[0].hinted);
    EXPECT_FALSE(read.turns[1].hinted);

    // The same word on the computer's turn, checks and all rewritten.
    TGameRecord forged = good;
    forged.turns[1].hinted = true;
    const TRecordReadResult refused = ParseRecord(FormatRecord(forged), read);
    EXPECT_FALSE(refused.ok);
    EXPECT_NE(refused.message.find("notes a hint that no one could have been shown"),
              std::string::npos)
        << refused.message;
    // Taken off a person's turn, the record is sound again but tells no hint.
    TGameRecord plain = good;
    plain.turns[0].hinted = false;
    ASSERT_TRUE(ParseRecord(FormatRecord(plain), read).ok);
    EXPECT_FALSE(read.turns[0].hinted);
}

}  // namespace
}  // namespace vaeloric::testing
