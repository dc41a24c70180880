// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the attack and check tests over positions reached by seeded
// random legal play from each board's set-up.

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "game/board.h"
#include "game/check.h"
#include "game/dice_rule.h"
#include "game/make_move.h"
#include "game/moves.h"

namespace vaeloric {
namespace {

TSquare At(int rank, int file) {
    return TSquare{rank, file};
}

// Snapshots every 10 plies of 120 on each board, from two Ptah squares.
const std::vector<TBoard>& Positions() {
    static const std::vector<TBoard> positions = [] {
        std::vector<TBoard> result;
        std::mt19937 rng(4242);
        for (const char* status : {"27A", "63W", "36F", "72E", "45A", "54W", "44F", "55E"}) {
            TBoard board;
            board.SetUp(TSquare{status[0] - '0', status[1] - '0'}, status[2]);
            for (int ply = 0; ply < 120; ++ply) {
                if (ply % 10 == 0) result.push_back(board);
                const std::int32_t army = board.armyToMove;
                const TDieFace face = static_cast<std::int32_t>(rng() % 6) + 1;
                std::vector<std::pair<TSquare, TSquare>> legal;
                for (int rank = 1; rank <= 8; ++rank)
                    for (int file = 1; file <= 8; ++file) {
                        const TPiece& piece = board.At(rank, file);
                        if (piece.army != army) continue;
                        const std::int32_t kind = MoveKindForFace(board, face, piece.kind);
                        if (kind == Empty) continue;
                        TPieceMoveList list;
                        PieceMoves(board, SquareRecord::At(At(rank, file)), kind, list);
                        for (const SquareRecord& target : list)
                            if (IsLegalMove(board, army, face, At(rank, file), target.Square()))
                                legal.emplace_back(At(rank, file), target.Square());
                    }
                if (!legal.empty()) {
                    const auto& move = legal[rng() % legal.size()];
                    TryMove(board, army, face, move.first, move.second);
                }
                board.armyToMove = NextArmy(army);
            }
        }
        return result;
    }();
    return positions;
}

// One call per square and army of every position.
void BM_ListAttackers(benchmark::State& state) {
    const std::vector<TBoard>& positions = Positions();
    TAttackerList list;
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (const TBoard& board : positions)
            for (std::int32_t army = 1; army <= 4; ++army)
                for (int rank = 1; rank <= 8; ++rank)
                    for (int file = 1; file <= 8; ++file) {
                        benchmark::DoNotOptimize(ListAttackers(board, At(rank, file), army, list));
                        ++calls;
                    }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_ListAttackers);

void BM_CountAttackers(benchmark::State& state) {
    const std::vector<TBoard>& positions = Positions();
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (const TBoard& board : positions)
            for (std::int32_t army = 1; army <= 4; ++army)
                for (int rank = 1; rank <= 8; ++rank)
                    for (int file = 1; file <= 8; ++file) {
                        benchmark::DoNotOptimize(CountAttackers(board, At(rank, file), army));
                        ++calls;
                    }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_CountAttackers);

// One call per army (with its King's square) of every position.
void BM_CheckStatus(benchmark::State& state) {
    std::vector<TBoard> positions = Positions();
    std::vector<TSquare> kings;
    for (const TBoard& board : positions)
        for (std::int32_t army = 1; army <= 4; ++army) {
            TSquare king;
            FindKing(board, army, king);
            kings.push_back(king);
        }
    std::int64_t calls = 0;
    for (auto _ : state) {
        std::size_t k = 0;
        for (TBoard& board : positions)
            for (std::int32_t army = 1; army <= 4; ++army) {
                benchmark::DoNotOptimize(CheckStatus(board, kings[k++], army));
                ++calls;
            }
    }
    state.SetItemsProcessed(calls);
}
BENCHMARK(BM_CheckStatus);

// Only the positions where the King is in check, where CheckStatus does its
// real work (King steps, then candidates and probes).
void BM_CheckStatusInCheck(benchmark::State& state) {
    std::vector<TBoard> boards;
    std::vector<std::pair<TSquare, std::int32_t>> kings;
    for (const TBoard& board : Positions())
        for (std::int32_t army = 1; army <= 4; ++army) {
            TSquare king;
            if (FindKing(board, army, king) && CountAttackers(board, king, army) > 0) {
                boards.push_back(board);
                kings.emplace_back(king, army);
            }
        }
    if (boards.empty()) {
        state.SkipWithError("no position in check");
        return;
    }
    std::int64_t calls = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < boards.size(); ++i) {
            benchmark::DoNotOptimize(CheckStatus(boards[i], kings[i].first, kings[i].second));
            ++calls;
        }
    }
    state.SetItemsProcessed(calls);
    state.counters["positions"] = static_cast<double>(boards.size());
}
BENCHMARK(BM_CheckStatusInCheck);

// Every piece's moves, each made and taken back.
void BM_GenerateMakeUndo(benchmark::State& state) {
    std::vector<TBoard> positions = Positions();
    std::int64_t moves = 0;
    for (auto _ : state) {
        for (TBoard& board : positions)
            for (int rank = 1; rank <= 8; ++rank)
                for (int file = 1; file <= 8; ++file) {
                    const TPiece& piece = board.At(rank, file);
                    if (piece.kind == Empty || piece.kind == King) continue;
                    const std::int32_t kind =
                        piece.kind == CombinedKing ? board.CompanionKind() : piece.kind;
                    const SquareRecord origin = SquareRecord::At(At(rank, file));
                    TPieceMoveList list;
                    PieceMoves(board, origin, kind, list);
                    for (const SquareRecord& target : list) {
                        MakePieceMove(board, origin, target, false);
                        UndoMove(board, target, origin);
                        ++moves;
                    }
                }
    }
    state.SetItemsProcessed(moves);
}
BENCHMARK(BM_GenerateMakeUndo);

}  // namespace
}  // namespace vaeloric
