// SPDX-License-Identifier: GPL-3.0-or-later

#include "players/seer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "flow/end_of_game.h"
#include "game/check.h"
#include "game/dice_rule.h"
#include "game/legal_moves.h"
#include "game/make_move.h"
#include "players_support.h"

namespace vaeloric {
namespace {

using testing_support::SelfPlayPositions;

bool SameSide(std::int32_t a, std::int32_t b) {
    return a == b || a == AllyOf(b);
}

// The game state that goes with a position of random play: the flags the end
// of the last turn would have stored.
TTurnState StateOf(TBoard& board) {
    TTurnState state;
    for (std::int32_t army = 1; army <= 4; ++army)
        state.checkmated[army] = ArmyCheckStatus(board, army) == kCheckmated ? 1 : 0;
    TSquare king;
    state.ptahReached = FindKing(board, board.questionerArmy, king) &&
                        SquaresEqual(king, board.ptah) &&
                        board.At(king.rank, king.file).kind == King;
    return state;
}

// Plain expectimax, every move and every face, no pruning and no table; the
// game's end is decided by the game's own end-of-game test.
double ReferenceChance(TBoard& board, TTurnState state, std::int32_t army, int depth);

double ReferenceAfter(TBoard& board, TTurnState state, std::int32_t mover, int depth) {
    board.armyToMove = NextArmy(mover);
    const TEndOfGameDecision decision = DecideEndOfGame(board, state);
    double value;
    if (decision.GameOver()) {
        const bool questionerSide = SameSide(mover, board.questionerArmy);
        value = decision.QuestionerWon() == questionerSide ? kSeerWin : -kSeerWin;
    } else {
        ApplyEndOfGame(decision, state);
        value = -ReferenceChance(board, state, board.armyToMove, depth - 1);
    }
    board.armyToMove = mover;
    return value;
}

double ReferenceMove(TBoard& board, const TTurnState& state, std::int32_t army, TDieFace face,
                     const TLegalMove& move, int depth) {
    const SquareRecord from = SquareRecord::At(move.from.Square());
    MakePieceMove(board, from, move.to, face == 1);
    TTurnState after = state;
    after.ptahReached =
        state.ptahReached ||
        BringsQuestionerToPtah(board, army, board.At(move.to.rank, move.to.file).kind,
                               move.to.Square());
    const double value = ReferenceAfter(board, after, army, depth);
    UndoMove(board, move.to, from);
    return value;
}

double ReferenceChance(TBoard& board, TTurnState state, std::int32_t army, int depth) {
    if (depth == 0) return SeerEvaluate(board, army);
    if (state.checkmated[army] != 0) return ReferenceAfter(board, state, army, depth);
    double sum = 0;
    for (TDieFace face = 1; face <= 6; ++face) {
        TLegalMoveList list;
        ListLegalMoves(board, army, face, list);
        if (list.Empty()) {
            sum += ReferenceAfter(board, state, army, depth);
            continue;
        }
        double best = -1e9;
        for (const TLegalMove& move : list)
            best = std::max(best, ReferenceMove(board, state, army, face, move, depth));
        sum += best;
    }
    return sum / 6;
}

// The same pieces with the same values, and the same army to move.
bool SameBoard(const TBoard& a, const TBoard& b) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (!(a.At(rank, file) == b.At(rank, file))) return false;
    return a.armyToMove == b.armyToMove;
}

struct TCase {
    TBoard board;
    TTurnState state;
    TDieFace face;
};

// Positions of random play where the army to move has a move for the face.
std::vector<TCase> Cases(int games, int turns, unsigned seed, int every) {
    std::vector<TCase> cases;
    std::mt19937 random(seed);
    int n = 0;
    for (TBoard& board : SelfPlayPositions(games, turns, seed)) {
        if (n++ % every != 0) continue;
        const TDieFace face = static_cast<TDieFace>(random() % 6 + 1);
        if (HasNoLegalMove(board, face, board.armyToMove) != 0) continue;
        TTurnState state = StateOf(board);
        if (state.checkmated[board.armyToMove] != 0) continue;
        cases.push_back({board, state, face});
    }
    return cases;
}

TEST(Seer, AgreesWithPlainExpectimaxAtSmallDepths) {
    TSeerSearch search;
    struct TDepthRun {
        int depth, games, turns, every;
    };
    // Depth 3 is costly for the plain search: fewer positions there.
    const TDepthRun runs[] = {{1, 8, 80, 2}, {2, 8, 80, 3}, {3, 4, 100, 8}};
    int compared = 0, uniqueBest = 0;
    for (const TDepthRun& run : runs) {
        for (TCase& c : Cases(run.games, run.turns, 17u + run.depth, run.every)) {
            const std::int32_t army = c.board.armyToMove;
            const TBoard before = c.board;
            // Iterative deepening up to the depth, with no limit: the table
            // of the shallower depths orders the moves of the deeper.
            TSeerLimits limits;
            limits.maxDepth = run.depth;
            const TSeerAnswer answer =
                search.Search(c.board, army, c.face, SeerGameOf(c.state), limits);
            ASSERT_EQ(answer.depth, run.depth);
            ASSERT_TRUE(answer.found);
            ASSERT_TRUE(SameBoard(before, c.board));
            TLegalMoveList list;
            ListLegalMoves(c.board, army, c.face, list);
            double best = -1e9, chosen = -1e9;
            int bestCount = 0;
            for (const TLegalMove& move : list) {
                const double value = ReferenceMove(c.board, c.state, army, c.face, move, run.depth);
                if (value > best + 1e-9) {
                    best = value;
                    bestCount = 1;
                } else if (std::abs(value - best) <= 1e-9) {
                    ++bestCount;
                }
                if (SquaresEqual(move.from.Square(), answer.from.Square()) &&
                    SquaresEqual(move.to.Square(), answer.to.Square()))
                    chosen = value;
            }
            EXPECT_NEAR(answer.value, best, 1e-9) << "depth " << run.depth;
            // The move chosen is one of the best (the first of them when ties
            // are broken the same way).
            EXPECT_NEAR(chosen, best, 1e-9) << "depth " << run.depth;
            uniqueBest += bestCount == 1;
            ++compared;
        }
    }
    EXPECT_GT(compared, 200);
    EXPECT_GT(uniqueBest, 100);
}

// Few pieces, the Questioner's King near the Ptah square: wins and losses
// within the horizon, so that the chance nodes' bounds decide cut-offs.
std::vector<TCase> EndgameCases(int count, unsigned seed) {
    using testing_support::EmptyBoard;
    std::mt19937 random(seed);
    std::vector<TCase> cases;
    const std::int32_t kinds[] = {HorsePawn, Horse, Rook, Bishop, Queen};
    while (static_cast<int>(cases.size()) < count) {
        TBoard board = EmptyBoard("34W", 1 + static_cast<std::int32_t>(random() % 4));
        const auto free = [&](int rank, int file) {
            for (int dr = -1; dr <= 1; ++dr)
                for (int df = -1; df <= 1; ++df) {
                    const int r = rank + dr, f = file + df;
                    if (r >= 1 && r <= 8 && f >= 1 && f <= 8 && board.At(r, f).kind != Empty)
                        return false;
                }
            return true;
        };
        const auto put = [&](std::int32_t army, std::int32_t kind, int rank, int file) {
            board.PutPiece(rank, file, TPiece{kind, army, AllyOf(army), 5, 50});
        };
        const std::int32_t q = board.questionerArmy;
        const int qr = board.ptah.rank + static_cast<int>(random() % 5) - 2;
        const int qf = board.ptah.file + static_cast<int>(random() % 5) - 2;
        if ((qr == board.ptah.rank && qf == board.ptah.file) || !free(qr, qf)) continue;
        put(q, King, qr, qf);
        bool placed = true;
        for (std::int32_t army = 1; army <= 4 && placed; ++army) {
            if (army == q) continue;
            int tries = 0, r, f;
            do {
                r = 1 + static_cast<int>(random() % 8);
                f = 1 + static_cast<int>(random() % 8);
            } while (!free(r, f) && ++tries < 50);
            placed = tries < 50;
            if (placed) put(army, King, r, f);
        }
        for (int i = 0; i < 4 && placed; ++i) {
            const int r = 2 + static_cast<int>(random() % 6);
            const int f = 1 + static_cast<int>(random() % 8);
            if (board.At(r, f).kind != Empty) continue;
            put(1 + static_cast<std::int32_t>(random() % 4), kinds[random() % 5], r, f);
        }
        if (!placed) continue;
        board.armyToMove = 1 + static_cast<std::int32_t>(random() % 4);
        const TDieFace face = static_cast<TDieFace>(random() % 6 + 1);
        if (HasNoLegalMove(board, face, board.armyToMove) != 0) continue;
        TTurnState state = StateOf(board);
        if (state.checkmated[board.armyToMove] != 0) continue;
        cases.push_back({board, state, face});
    }
    return cases;
}

TEST(Seer, AgreesWithPlainExpectimaxInDecidedEndgames) {
    TSeerSearch search;
    int decided = 0;
    for (TCase& c : EndgameCases(40, 11)) {
        const std::int32_t army = c.board.armyToMove;
        const TSeerAnswer answer =
            search.SearchDepth(c.board, army, c.face, SeerGameOf(c.state), 4);
        TLegalMoveList list;
        ListLegalMoves(c.board, army, c.face, list);
        double best = -1e9;
        for (const TLegalMove& move : list)
            best = std::max(best, ReferenceMove(c.board, c.state, army, c.face, move, 4));
        EXPECT_NEAR(answer.value, best, 1e-9) << SquareName(c.board.ptah);
        decided += std::abs(best) > 10;
    }
    // Enough of them are near a decision for the throws' bounds to matter.
    EXPECT_GT(decided, 5);
}

TEST(Seer, AlwaysAnswersALegalMoveForTheFace) {
    TSeerSearch search;
    TSeerLimits limits;
    limits.nodes = 60;
    int answered = 0;
    for (TCase& c : Cases(24, 120, 5, 1)) {
        const std::int32_t army = c.board.armyToMove;
        const TSeerAnswer answer =
            search.Search(c.board, army, c.face, SeerGameOf(c.state), limits);
        ASSERT_TRUE(answer.found);
        const TPiece piece = c.board.At(answer.from.rank, answer.from.file);
        ASSERT_EQ(piece.army, army);
        ASSERT_TRUE(FaceAllowsKind(c.board, c.face, piece.kind));
        ASSERT_TRUE(IsLegalMove(c.board, army, c.face, answer.from.Square(), answer.to.Square()))
            << SquareName(answer.from.Square()) << "-" << SquareName(answer.to.Square());
        ++answered;
    }
    EXPECT_GT(answered, 1500);
}

TEST(Seer, NodeLimitedSearchIsRepeatableAndTheLimitHolds) {
    const std::vector<TCase> cases = Cases(4, 60, 9, 6);
    ASSERT_GT(cases.size(), 10u);
    TSeerSearch first, second;
    for (const long nodes : {200L, 2000L}) {
        TSeerLimits limits;
        limits.nodes = nodes;
        for (TCase c : cases) {
            const TSeerGame game = SeerGameOf(c.state);
            const TSeerAnswer a = first.Search(c.board, c.board.armyToMove, c.face, game, limits);
            // Another search in between, then again on a fresh search.
            second.Search(c.board, NextArmy(c.board.armyToMove), 6, game, limits);
            const TSeerAnswer b = second.Search(c.board, c.board.armyToMove, c.face, game, limits);
            EXPECT_TRUE(SquaresEqual(a.from.Square(), b.from.Square()));
            EXPECT_TRUE(SquaresEqual(a.to.Square(), b.to.Square()));
            EXPECT_EQ(a.value, b.value);
            EXPECT_EQ(a.depth, b.depth);
            // Once a depth has finished, the search stops at the limit.
            if (a.depth > 1) EXPECT_LE(a.nodes, nodes);
        }
    }
}

TEST(Seer, SeesAWinFourMovesAhead) {
    // Only Kings: the Questioner's (black) stands next to the Ptah square C2.
    // Stepping onto it on a 1 wins once the other three armies have had their
    // turns, since no King attacks; the search must see four moves ahead.
    TBoard board = testing_support::EmptyBoard("23W", 2);
    using testing_support::Put;
    Put(board, "H1", 1, King);
    Put(board, "C3", 2, King);
    Put(board, "A8", 3, King);
    Put(board, "H8", 4, King);
    board.armyToMove = 2;
    TSeerSearch search;
    const TSeerAnswer shallow = search.SearchDepth(board, 2, 1, {}, 1);
    const TSeerAnswer answer = search.SearchDepth(board, 2, 1, {}, 4);
    ASSERT_TRUE(answer.found);
    EXPECT_EQ(SquareName(board.ptah), "C2");
    EXPECT_LT(shallow.value, kSeerWin);
    EXPECT_EQ(answer.value, kSeerWin);
    EXPECT_EQ(SquareName(answer.to.Square()), "C2");
}

}  // namespace
}  // namespace vaeloric
