// SPDX-License-Identifier: GPL-3.0-or-later

// Random legal play on the four boards from many Ptah squares. Every trial
// move is made and taken back, and the attack and King-move operations are
// compared with references built literally from the piece generators.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "game/check.h"
#include "game/dice_rule.h"
#include "game/make_move.h"
#include "game/moves.h"
#include "position.h"

namespace vaeloric {
namespace {

using test::SameBoard;

struct TMove {
    SquareRecord origin;
    SquareRecord target;
    std::int32_t moveKind;
};

struct TStats {
    int captures = 0;
    int promotions = 0;
    int splits = 0;
    int exposingRefused = 0;
    int checks = 0;
    int checkmates = 0;
};

TSquare At(int rank, int file) {
    return TSquare{rank, file};
}

// Attackers found by running the generators from the square.
std::vector<TSquare> ReferenceAttackers(const TBoard& board, TSquare square, std::int32_t army) {
    using TGenerator = int (*)(const TBoard&, const SquareRecord&, std::int32_t, TMoveListBase&);
    const struct {
        TGenerator generator;
        std::int32_t kind;
    } steps[] = {
        {QueenMoves, Queen}, {HorseMoves, Horse}, {RookMoves, Rook}, {BishopMoves, Bishop}};
    std::vector<TSquare> found;
    TMoveList<kRookListSize> list;
    for (const auto& step : steps) {
        step.generator(board, SquareRecord::At(square), army, list);
        for (const SquareRecord& record : list) {
            const std::int32_t kind = record.captured.kind;
            if (record.capture == 1 &&
                (kind == step.kind || (kind == CombinedKing && board.CompanionKind() == step.kind)))
                found.push_back(record.Square());
        }
    }
    const int r = square.rank;
    const int f = square.file;
    const struct {
        int rank, file;
        std::int32_t army;
    } pawns[2][4] = {{{r + 1, f - 1, 2}, {r - 1, f - 1, 2}, {r + 1, f + 1, 4}, {r - 1, f + 1, 4}},
                     {{r + 1, f - 1, 3}, {r + 1, f + 1, 3}, {r - 1, f - 1, 1}, {r - 1, f + 1, 1}}};
    for (const auto& pawn : pawns[(army == 1 || army == 3) ? 0 : 1]) {
        if (!OnBoard(pawn.rank, pawn.file)) continue;
        const TPiece& piece = board.At(pawn.rank, pawn.file);
        if (IsPawnKind(piece.kind) && piece.army == pawn.army)
            found.push_back(At(pawn.rank, pawn.file));
    }
    return found;
}

// King steps exactly as described: the origin emptied for the tests.
std::vector<TSquare> ReferenceKingMoves(TBoard& board, TSquare origin, std::int32_t army) {
    const TPiece king = board.At(origin.rank, origin.file);
    board.At(origin.rank, origin.file) = TPiece{};
    std::vector<TSquare> moves;
    const int steps[8][2] = {{1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
    for (const auto& step : steps) {
        const TSquare to = At(origin.rank + step[0], origin.file + step[1]);
        if (!OnBoard(to.rank, to.file)) continue;
        const TPiece& piece = board.At(to.rank, to.file);
        if (piece.army == army || piece.army == AllyOf(army)) continue;
        if (HostileKingAdjacent(board, to, army) || !ReferenceAttackers(board, to, army).empty())
            continue;
        moves.push_back(to);
    }
    board.At(origin.rank, origin.file) = king;
    return moves;
}

// Check status step by step, with the board changed in place.
std::int32_t ReferenceCheckStatus(TBoard& board, TSquare king, std::int32_t army) {
    const std::size_t attackers = ReferenceAttackers(board, king, army).size();
    if (attackers == 0) return 0;
    const TPiece kingPiece = board.At(king.rank, king.file);
    board.At(king.rank, king.file) = TPiece{};
    const bool canStep = !ReferenceKingMoves(board, king, army).empty();
    board.At(king.rank, king.file) = kingPiece;
    if (canStep) return 1;
    if (attackers >= 2) return 2;
    std::vector<TSquare> candidates;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.army != army || piece.kind == King) continue;
            TPieceMoveList list;
            PieceMoves(board, SquareRecord::At(At(rank, file)),
                       piece.kind == CombinedKing ? board.CompanionKind() : piece.kind, list);
            for (const SquareRecord& record : list) candidates.push_back(record.Square());
        }
    for (const TSquare& square : candidates) {
        const TPiece previous = board.At(square.rank, square.file);
        board.At(square.rank, square.file) = TPiece{HorsePawn, army, AllyOf(army), 1, kEmptyValue};
        const bool free = ReferenceAttackers(board, king, army).empty();
        board.At(square.rank, square.file) = previous;
        if (free) return 1;
    }
    return 2;
}

void CheckOperations(TBoard& board, std::mt19937& rng, TStats& stats) {
    const TBoard before = board;
    const std::int32_t army = static_cast<std::int32_t>(rng() % 4) + 1;
    TAttackerList list;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const std::vector<TSquare> expected = ReferenceAttackers(board, At(rank, file), army);
            ASSERT_EQ(ListAttackers(board, At(rank, file), army, list),
                      static_cast<int>(expected.size()));
            for (int i = 0; i < list.Size(); ++i) ASSERT_TRUE(SquaresEqual(list[i], expected[i]));
            ASSERT_EQ(CountAttackers(board, At(rank, file), army), list.Size());
        }
    for (std::int32_t a = 1; a <= 4; ++a) {
        TSquare king;
        ASSERT_TRUE(FindKing(board, a, king));
        TMoveList<kKingListSize> moves;
        KingMoves(board, SquareRecord::At(king), a, moves);
        const std::vector<TSquare> expected = ReferenceKingMoves(board, king, a);
        ASSERT_EQ(moves.Size(), static_cast<int>(expected.size()));
        for (int i = 0; i < moves.Size(); ++i)
            ASSERT_TRUE(SquaresEqual(moves[i].Square(), expected[i]));
        const std::int32_t status = CheckStatus(board, king, a);
        ASSERT_EQ(status, ReferenceCheckStatus(board, king, a));
        stats.checks += status == kInCheck;
        stats.checkmates += status == kCheckmated;
        ASSERT_EQ(status == kNotInCheck, CountAttackers(board, king, a) == 0);
        ASSERT_GE(KingDistanceToPtah(board, a), 0);
    }
    ASSERT_TRUE(SameBoard(board, before));
}

// The pawn value that taking back a promotion computes.
std::int32_t PromotionTakeBackValue(const TBoard& board, const TPiece& pawn) {
    const std::int32_t start[5] = {0, 32, 30, 33, 34};
    const std::int32_t kind = PromotionKind(pawn.kind);
    int count = 0;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            count += board.At(rank, file).army == pawn.army && board.At(rank, file).kind == kind;
    return start[pawn.kind] - 5 * count;
}

// Every legal move of the army for the face, each made and taken back.
std::vector<TMove> LegalMoves(TBoard& board, std::int32_t army, TDieFace face, TStats& stats) {
    std::vector<TMove> legal;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece piece = board.At(rank, file);
            if (piece.army != army) continue;
            const std::int32_t moveKind = MoveKindForFace(board, face, piece.kind);
            if (moveKind == Empty) continue;
            const SquareRecord origin = SquareRecord::At(At(rank, file));
            TPieceMoveList list;
            PieceMoves(board, origin, moveKind, list);
            for (const SquareRecord& target : list) {
                const bool ontoKing =
                    target.captured.kind == King || target.captured.kind == CombinedKing;
                const TBoard before = board;
                MakePieceMove(board, origin, target, moveKind == King);
                const bool exposed = KingAttacked(board, army);
                UndoMove(board, target, origin);

                TBoard expected = before;
                if (target.promotes == 1)
                    expected.At(rank, file).value = PromotionTakeBackValue(before, piece);
                EXPECT_TRUE(SameBoard(board, expected))
                    << SquareName(origin.Square()) << "-" << SquareName(target.Square());
                board = before;

                const bool isLegal = !ontoKing && !exposed;
                EXPECT_EQ(IsLegalMove(board, army, face, origin.Square(), target.Square()),
                          isLegal);
                EXPECT_TRUE(SameBoard(board, before));
                if (isLegal) legal.push_back(TMove{origin, target, moveKind});
                stats.exposingRefused += exposed;
            }
        }
    return legal;
}

// No square outside the legal list is accepted.
void CheckNothingElseAccepted(TBoard& board, std::int32_t army, TDieFace face,
                              const std::vector<TMove>& legal) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            if (board.At(rank, file).army != army) continue;
            for (int toRank = 1; toRank <= 8; ++toRank)
                for (int toFile = 1; toFile <= 8; ++toFile) {
                    bool listed = false;
                    for (const TMove& move : legal)
                        listed |= SquaresEqual(move.origin.Square(), At(rank, file)) &&
                                  SquaresEqual(move.target.Square(), At(toRank, toFile));
                    if (!listed) {
                        ASSERT_FALSE(
                            IsLegalMove(board, army, face, At(rank, file), At(toRank, toFile)));
                    }
                }
        }
}

void PlayGame(const std::string& status, std::mt19937& rng, int plies, TStats& stats) {
    TBoard board;
    board.SetUp(TSquare{status[0] - '0', status[1] - '0'}, status[2]);
    for (int ply = 0; ply < plies; ++ply) {
        const std::int32_t army = board.armyToMove;
        const TDieFace face = static_cast<std::int32_t>(rng() % 6) + 1;
        if (ply % 4 == 0) CheckOperations(board, rng, stats);
        if (testing::Test::HasFatalFailure()) return;
        const std::vector<TMove> legal = LegalMoves(board, army, face, stats);
        if (ply % 16 == 0) CheckNothingElseAccepted(board, army, face, legal);
        if (!legal.empty()) {
            const TMove& move = legal[rng() % legal.size()];
            stats.splits += board.At(move.origin.rank, move.origin.file).kind == CombinedKing;
            const TMoveAttempt attempt =
                TryMove(board, army, face, move.origin.Square(), move.target.Square());
            ASSERT_EQ(attempt.refusal, TMoveRefusal::None);
            ASSERT_EQ(attempt.movedAsKind, move.moveKind);
            ASSERT_FALSE(KingAttacked(board, army)) << status << " ply " << ply;
            stats.captures += attempt.target.capture;
            stats.promotions += move.target.promotes;
        }
        for (std::int32_t a = 1; a <= 4; ++a) {
            int kings = 0;
            for (int rank = 1; rank <= 8; ++rank)
                for (int file = 1; file <= 8; ++file) {
                    const TPiece& piece = board.At(rank, file);
                    kings += piece.army == a && (piece.kind == King || piece.kind == CombinedKing);
                    ASSERT_FALSE(IsPawnKind(piece.kind) && OnPromotionLine(piece.army, rank, file));
                }
            ASSERT_EQ(kings, 1) << "army " << a << " in " << status << " ply " << ply;
        }
        board.armyToMove = NextArmy(army);
    }
}

TEST(RulesSoak, RandomLegalPlayKeepsEveryInvariant) {
    std::mt19937 rng(20261208);
    TStats stats;
    for (const char letter : {'A', 'W', 'F', 'E'})
        for (int game = 0; game < 6; ++game) {
            int rank;
            int file;
            do {
                rank = static_cast<int>(rng() % 8) + 1;
                file = static_cast<int>(rng() % 8) + 1;
            } while ((rank == 1 || rank == 8) && (file == 1 || file == 8));
            const std::string status{static_cast<char>('0' + rank), static_cast<char>('0' + file),
                                     letter};
            SCOPED_TRACE(status);
            PlayGame(status, rng, 240, stats);
            if (HasFatalFailure()) return;
        }
    // The soak is only worth something if the rare cases come up.
    EXPECT_GT(stats.captures, 300);
    EXPECT_GT(stats.promotions, 20);
    EXPECT_GT(stats.splits, 40);
    EXPECT_GT(stats.exposingRefused, 500);
    EXPECT_GT(stats.checks, 200);
    EXPECT_GT(stats.checkmates, 10);
}

}  // namespace
}  // namespace vaeloric
