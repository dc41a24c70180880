// SPDX-License-Identifier: GPL-3.0-or-later

#include "players/computer_move.h"

#include "game/check.h"
#include "game/dice_rule.h"
#include "game/legal_moves.h"
#include "game/make_move.h"
#include "players/evaluation.h"
#include "players/rules_bridge.h"

namespace vaeloric {

using namespace players;

std::int32_t PtahFactor(TBoard& board) {
    std::int32_t factor = 1;
    const std::int32_t q = board.questionerArmy;
    const TSquare p = board.ptah;
    const TSquare king = KingSquare(board, q);
    if (king.rank != 0) {
        const int distance = KingDistanceToPtah(board, q);
        SquareRecord first[kPieceListRoom];
        if (distance == 2) {
            // Can the King reach the square in two steps?
            const int n = GenerateKingMoves(board, king, q, first);
            bool reaches = false;
            for (int i = 0; i < n; ++i) {
                MakeAnyMove(board, king, first[i], true);
                const TSquare t = first[i].Square();
                SquareRecord second[kPieceListRoom];
                const int m = GenerateKingMoves(board, t, q, second);
                for (int j = 0; j < m; ++j) {
                    MakeAnyMove(board, t, second[j], true);
                    if (SquaresEqual(second[j].Square(), p)) reaches = true;
                    TakeBack(board, second[j], t);
                }
                TakeBack(board, first[i], king);
            }
            if (reaches) factor += 5;
        } else if (distance == 1) {
            factor += 5;
            const int n = GenerateKingMoves(board, king, q, first);
            for (int i = 0; i < n; ++i) {
                if (SquaresEqual(first[i].Square(), p)) factor += 15;
            }
        }
    }
    int occupied = 0;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (board.At(rank, file).kind != Empty) ++occupied;
    if (occupied < 24) factor += 11 - occupied / 2;
    return factor;
}

bool ChooseComputerMoveWithScores(TBoard& board, TDieFace die, std::int32_t army,
                                  SquareRecord& destination, SquareRecord& origin,
                                  TScoredMove* scores, int capacity, int& count) {
    count = 0;
    TLegalMoveList list;
    ListLegalMoves(board, army, die, list);
    if (list.Empty()) return false;
    const std::int32_t ptahFactor = PtahFactor(board);
    const bool asKing = FaceMovesKing(die);
    std::int32_t best = kWorstScore;
    int chosen = 0;
    for (int i = 0; i < list.Size(); ++i) {
        const TLegalMove& move = list[i];
        // The records of the list are used as they were made, also for the
        // take-back, which puts their copy of a captured piece back.
        const SquareRecord& to = move.to;
        MakeAnyMove(board, move.from.Square(), to, asKing);
        const std::int32_t score = EvaluatePosition(board, army, ptahFactor);
        TakeBack(board, to, move.from.Square());
        if (scores != nullptr && count < capacity)
            scores[count] = TScoredMove{move.from, to, score};
        ++count;
        // Strictly greater: ties keep the earlier move.
        if (score > best) {
            best = score;
            chosen = i;
        }
    }
    origin = list[chosen].from;
    destination = list[chosen].to;
    MakeAnyMove(board, origin.Square(), destination, asKing);
    Promote(board, army);
    return true;
}

bool ChooseComputerMove(TBoard& board, TDieFace die, std::int32_t army, SquareRecord& destination,
                        SquareRecord& origin) {
    int count = 0;
    return ChooseComputerMoveWithScores(board, die, army, destination, origin, nullptr, 0, count);
}

}  // namespace vaeloric
