// SPDX-License-Identifier: GPL-3.0-or-later

// The pointer over the scene: presses and releases anywhere, in every state
// of a turn. Nothing but a throw on its button, a drag of an allowed piece or
// the MOVE button changes the game, and no sequence ends the program; the
// buttons' images and the cursors follow the pointer.
#include "window/pointer_input.h"

#include <random>

#include "tests/flow/game_flow_fixture.h"

namespace vaeloric::testing {
namespace {

// The cursor and the button images go to the fake window's record.
class TRecordedFeedback : public TPointerFeedback {
  public:
    explicit TRecordedFeedback(TFakeWindowLayer& layer) : layer_(layer) {}
    void SetCursor(int resourceId) override { layer_.SetCursor(resourceId); }
    void DrawButton(int pictureId) override {
        layer_.events.push_back("button:" + std::to_string(pictureId));
    }

  private:
    TFakeWindowLayer& layer_;
};

// A game on a 800-pixel-wide scene: the board's top-left corner is at
// (160, 20).
class Pointer : public GameFlow {
  protected:
    void StartWithPointer(const std::string& argument = kAllHuman) {
        StartLauncher(argument);
        pointer = std::make_unique<TPointerInput>(*controller, feedback);
        pointer->SetOrigin(PlaceBoard(800, TBoardStyle::Coloured));
    }
    // Scene point of the centre of a square.
    static int X(int file) { return 160 + 50 * (file - 1) + 25; }
    static int Y(int rank) { return 20 + 50 * (8 - rank) + 25; }
    void Click(int x, int y) {
        pointer->Move(x, y);
        pointer->LeftDown(x, y);
        pointer->LeftUp(x, y);
    }
    void ClickEnter(std::optional<std::int32_t> face) {
        layer.diceScript.push_back(face);
        Click(37, 147);
    }
    void DragOver(TSquare from, TSquare to) {
        pointer->Move(X(from.file), Y(from.rank));
        pointer->LeftDown(X(from.file), Y(from.rank));
        pointer->Move(X(to.file), Y(to.rank));
        pointer->LeftUp(X(to.file), Y(to.rank));
    }

    TRecordedFeedback feedback{layer};
    std::unique_ptr<TPointerInput> pointer;
};

enum class TState { HumanThrow, HumanMove, ComputerThrow, ComputerMove };

struct TPoint {
    const char* name;
    int x, y;
};

// Buttons, their edges, the board's squares and edges, and the margins.
const TPoint kPoints[] = {
    {"throw", 37, 116},
    {"throw edge", 7, 101},
    {"enter", 37, 147},
    {"enter edge", 67, 162},
    {"move", 37, 136},
    {"panel", 37, 40},
    {"corner", 0, 0},
    {"left margin", 120, 300},
    {"board top left", 160, 20},
    {"board far edge", 560, 420},
    {"own King", 0, 0},
    {"enemy King", 0, 0},
    {"empty", 0, 0},
    {"from", 0, 0},
    {"to", 0, 0},
    {"right panel", 700, 300},
    {"below board", 300, 460},
};

class PressRelease : public Pointer {
  protected:
    // The army before the one to move has just moved by a drag, so the move
    // entry holds the selection of that earlier turn.
    void Prepare(TState state) {
        const bool computer = state == TState::ComputerThrow || state == TState::ComputerMove;
        layer = TFakeWindowLayer{};
        StartWithPointer(computer ? kVersusComputers : kAllHuman);
        TLegalMove first;
        ClickEnter(6);
        ASSERT_TRUE(FirstLegalMove(6, first));
        DragOver(first.from.Square(), first.to.Square());
        ASSERT_EQ(Board().armyToMove, 2);
        if (state == TState::HumanMove || state == TState::ComputerMove) ClickEnter(6);
        ASSERT_TRUE(FirstLegalMove(6, move));
        layer.Forget();
    }
    TPoint Resolve(TPoint point) const {
        const auto at = [&](TSquare square) {
            return TPoint{point.name, X(square.file), Y(square.rank)};
        };
        const std::string name = point.name;
        if (name == "own King") return at(KingHomeSquare(2));
        if (name == "enemy King") return at(KingHomeSquare(1));
        if (name == "empty") return at(Sq(4, 4));
        if (name == "from") return at(move.from.Square());
        if (name == "to") return at(move.to.Square());
        return point;
    }
    TLegalMove move;
};

bool SamePieces(const TBoard& a, const TBoard& b) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (!(a.GetPiece(rank, file) == b.GetPiece(rank, file))) return false;
    return true;
}

TEST_F(PressRelease, EveryPressAndReleaseInEveryTurnState) {
    const std::string names[] = {"human throw", "human move", "computer throw", "computer move"};
    for (TState state :
         {TState::HumanThrow, TState::HumanMove, TState::ComputerThrow, TState::ComputerMove}) {
        for (const bool left : {true, false}) {
            for (const TPoint& rawPress : kPoints) {
                for (const TPoint& rawRelease : kPoints) {
                    Prepare(state);
                    const TPoint press = Resolve(rawPress), release = Resolve(rawRelease);
                    const std::string where = names[static_cast<int>(state)] + ": " +
                                              (left ? "left " : "right ") + press.name + " -> " +
                                              release.name;
                    const TBoard before = Board();
                    const TDieFace throwBefore = Turn().throwValue;
                    layer.diceScript.push_back(6);
                    EXPECT_NO_THROW({
                        pointer->Move(press.x, press.y);
                        if (left)
                            pointer->LeftDown(press.x, press.y);
                        else
                            pointer->RightDown(press.x, press.y);
                        pointer->Move(release.x, release.y);
                        if (left) pointer->LeftUp(release.x, release.y);
                    }) << where;

                    const bool onThrow = kThrowButtonRect.Contains(press.x, press.y) &&
                                         kThrowButtonRect.Contains(release.x, release.y);
                    const bool onEnter = !kThrowButtonRect.Contains(press.x, press.y) &&
                                         kEnterButtonRect.Contains(press.x, press.y) &&
                                         kEnterButtonRect.Contains(release.x, release.y);
                    const bool onMove = kMoveButtonRect.Contains(press.x, press.y) &&
                                        kMoveButtonRect.Contains(release.x, release.y);
                    const bool drag =
                        std::string(press.name) == "from" && std::string(release.name) == "to";
                    bool moves = false, throws = false;
                    switch (state) {
                        case TState::HumanThrow:
                        case TState::ComputerThrow:
                            throws = left && (onThrow || onEnter);
                            break;
                        case TState::HumanMove:
                            moves = left && drag;
                            break;
                        case TState::ComputerMove:
                            moves = left && onMove;
                            break;
                    }
                    if (moves) {
                        EXPECT_EQ(Board().armyToMove, 3) << where;
                        EXPECT_EQ(Turn().throwValue, 0) << where;
                    } else if (throws) {
                        // A throw, or a Miss Go that passes the turn on.
                        EXPECT_TRUE(Turn().throwValue != 0 || Board().armyToMove == 3) << where;
                    } else {
                        EXPECT_TRUE(SamePieces(before, Board())) << where;
                        EXPECT_EQ(Board().armyToMove, before.armyToMove) << where;
                        EXPECT_EQ(Turn().throwValue, throwBefore) << where;
                    }
                    if (!throws) {
                        EXPECT_FALSE(layer.Saw("dice dialog")) << where;
                    }
                    EXPECT_FALSE(pointer->PressActive()) << where;
                    if (::testing::Test::HasFailure()) return;
                }
            }
        }
    }
}

// Random presses, releases and moves over whole games: pieces move only on
// the release of a press with a throw pending, and a pending throw is spent
// only by a move.
TEST_F(Pointer, RandomSequencesNeverBreakTheRules) {
    std::minstd_rand random(11);
    int moves = 0;
    for (const char* argument : {kAllHuman, kVersusComputers}) {
        bool held = false;
        for (int step = 0; step < 20000; ++step) {
            if (step == 0 || layer.destroyed) {
                layer = TFakeWindowLayer{};
                StartWithPointer(argument);
            }
            layer.Forget();
            layer.diceScript = {static_cast<std::int32_t>(random() % 6 + 1)};
            // Points on the buttons and on the squares of a legal move are
            // frequent, so that many turns are played.
            const TPoint buttons[] = {{"", 37, 116}, {"", 37, 147}, {"", 37, 136}};
            TPoint point = buttons[random() % 3];
            TLegalMove legal;
            if (random() % 3 != 0) {
                TSquare square =
                    Sq(static_cast<int>(random() % 8 + 1), static_cast<int>(random() % 8 + 1));
                if (random() % 2 == 0 && Turn().throwValue != 0 &&
                    FirstLegalMove(Turn().throwValue, legal))
                    square = held ? legal.to.Square() : legal.from.Square();
                point.x = X(square.file) + static_cast<int>(random() % 51) - 25;
                point.y = Y(square.rank) + static_cast<int>(random() % 51) - 25;
            } else if (random() % 2 == 0) {
                point.x = static_cast<int>(random() % 800);
                point.y = static_cast<int>(random() % 500);
            }
            const int x = point.x, y = point.y;
            const TBoard before = Board();
            const TDieFace throwBefore = Turn().throwValue;
            const int action = static_cast<int>(random() % 2 == 0 ? (held ? 2 : 1) : random() % 4);
            ASSERT_NO_THROW({
                if (action == 0) pointer->Move(x, y);
                if (action == 1) pointer->LeftDown(x, y);
                if (action == 2) pointer->LeftUp(x, y);
                if (action == 3) pointer->RightDown(x, y);
            }) << "step "
               << step;
            const bool pressed = held;
            if (action == 1) held = true;
            if (action == 2) held = false;
            if (layer.destroyed) continue;
            if (action != 2 || throwBefore == 0) {
                ASSERT_TRUE(SamePieces(before, Board())) << "step " << step;
                if (action != 2) {
                    ASSERT_EQ(Turn().throwValue, throwBefore) << "step " << step;
                }
                continue;
            }
            if (SamePieces(before, Board())) {
                ASSERT_EQ(Turn().throwValue, throwBefore) << "step " << step;
                ASSERT_EQ(Board().armyToMove, before.armyToMove) << "step " << step;
            } else {
                ASSERT_TRUE(pressed) << "a move without a press at step " << step;
                ++moves;
                ASSERT_EQ(Turn().throwValue, 0) << "step " << step;
            }
        }
    }
    EXPECT_GT(moves, 50);
}

TEST_F(Pointer, HeldButtonImageFollowsThePointer) {
    StartWithPointer();
    layer.Forget();
    pointer->Move(37, 116);
    pointer->LeftDown(37, 116);
    EXPECT_EQ(pointer->PressedButtonImage(), 1901);
    pointer->Move(37, 300);  // off the button, not on the board
    EXPECT_EQ(pointer->PressedButtonImage(), 0);
    pointer->Move(37, 116);
    pointer->LeftUp(37, 116);
    EXPECT_EQ(std::vector<std::string>(layer.events.begin(), layer.events.begin() + 3),
              (std::vector<std::string>{"button:1901", "button:1900", "button:1901"}));
    EXPECT_NE(Turn().throwValue, 0);
}

TEST_F(Pointer, ReleaseAwayFromTheButtonCancelsThePress) {
    StartWithPointer();
    pointer->Move(37, 147);
    pointer->LeftDown(37, 147);
    pointer->Move(X(5), Y(4));  // onto the board
    pointer->LeftUp(X(5), Y(4));
    EXPECT_EQ(Turn().throwValue, 0);
    EXPECT_FALSE(layer.Saw("dice dialog"));
    EXPECT_TRUE(layer.Saw("button:1905"));
    EXPECT_EQ(pointer->PressedButtonImage(), 0);
    EXPECT_FALSE(controller->Modified());
    EXPECT_EQ(layer.cursor, 1001);
}

TEST_F(Pointer, CursorsShowTheBoardAndTheHeldPiece) {
    StartWithPointer();
    ClearBoard();
    Place(1, 5, King, 1);
    Place(2, 1, Queen, 1);
    Place(8, 8, King, 2);
    ClickEnter(4);
    pointer->Move(X(1), Y(2));
    EXPECT_EQ(layer.cursor, 1001);  // the board's cursor
    pointer->LeftDown(X(1), Y(2));
    EXPECT_EQ(layer.cursor, 1003);  // the Queen's while held
    pointer->Move(X(1), Y(3));
    EXPECT_EQ(layer.cursor, 1003);
    pointer->Move(561, 300);
    EXPECT_EQ(layer.cursor, 1003);
    pointer->LeftUp(561, 300);  // off the board: put back
    EXPECT_EQ(Board().GetPiece(2, 1).kind, Queen);
    pointer->Move(561, 300);
    EXPECT_EQ(layer.cursor, kArrowCursor);
    layer.Forget();
    pointer->RightDown(20, 300);  // a right click off the board shows nothing
    EXPECT_TRUE(layer.events.empty());
    pointer->RightDown(X(3), Y(6));
    EXPECT_EQ(layer.events, (std::vector<std::string>{"information panel", "ruler panel"}));
}

}  // namespace
}  // namespace vaeloric::testing
