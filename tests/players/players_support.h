// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Hand-made boards and self-play positions for the computer player tests.

#include <random>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/legal_moves.h"
#include "game/make_move.h"
#include "game/square.h"

namespace vaeloric::testing_support {

// A board with no pieces: Ptah square and order string from the status, the
// given Questioner's army, every army played by the computer profile 5.
inline TBoard EmptyBoard(const char* status, std::int32_t questioner) {
    TBoard board;
    for (std::int32_t army = 1; army <= 4; ++army) board.SetPlayerCode(army, 5);
    board.SetUp(TSquare{status[0] - '0', status[1] - '0'}, status[2]);
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) board.PutPiece(rank, file, TPiece{});
    board.questionerArmy = questioner;
    board.armyToMove = questioner;
    return board;
}

inline TSquare Sq(const char* name) {
    TSquare square;
    ParseSquareName(name, square);
    return square;
}

inline void Put(TBoard& board, const char* square, std::int32_t army, std::int32_t kind,
                std::int32_t value = 50) {
    const TSquare s = Sq(square);
    board.PutPiece(s.rank, s.file,
                   TPiece{kind, army, AllyOf(army), board.GetPlayerCode(army), value});
}

inline std::string MoveName(const TLegalMove& move) {
    return SquareName(move.from.Square()) + "-" + SquareName(move.to.Square());
}

inline std::vector<std::string> LegalNames(TBoard& board, std::int32_t army, TDieFace die) {
    TLegalMoveList list;
    ListLegalMoves(board, army, die, list);
    std::vector<std::string> names;
    for (const TLegalMove& move : list) names.push_back(MoveName(move));
    return names;
}

// Positions along games of random legal moves from the set-ups of the four
// boards, for invariants that must hold everywhere.
inline std::vector<TBoard> SelfPlayPositions(int games, int turns, unsigned seed) {
    static constexpr TSquare kPtah[4] = {{2, 7}, {4, 5}, {5, 4}, {6, 3}};
    static constexpr char kBoards[4] = {'W', 'A', 'E', 'F'};
    std::vector<TBoard> positions;
    std::mt19937 random(seed);
    for (int game = 0; game < games; ++game) {
        TBoard board;
        for (std::int32_t army = 1; army <= 4; ++army)
            board.SetPlayerCode(army, 2 + (game + army) % 7);
        board.SetUp(kPtah[game % 4], kBoards[game % 4]);
        for (int turn = 0; turn < turns; ++turn) {
            const TDieFace die = static_cast<TDieFace>(random() % 6 + 1);
            const std::int32_t army = board.armyToMove;
            TLegalMoveList list;
            ListLegalMoves(board, army, die, list);
            if (!list.Empty()) {
                const TLegalMove& move =
                    list[static_cast<int>(random() % static_cast<unsigned>(list.Size()))];
                MakePieceMove(board, move.from, move.to, die == 1);
                Promote(board, army);
            }
            board.armyToMove = NextArmy(army);
            positions.push_back(board);
        }
    }
    return positions;
}

// Boards equal square by square and in every field the players read.
inline bool SameBoard(const TBoard& a, const TBoard& b) {
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file)
            if (!(a.At(rank, file) == b.At(rank, file))) return false;
    return a.armyToMove == b.armyToMove && a.questionerArmy == b.questionerArmy &&
           SquaresEqual(a.ptah, b.ptah) && a.orderString == b.orderString;
}

// The same, except that the values of pawns may differ: taking back a trial
// promotion recomputes the pawn's value.
inline bool SameBoardButPawnValues(const TBoard& a, const TBoard& b) {
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            TPiece x = a.At(rank, file), y = b.At(rank, file);
            if (IsPawnKind(x.kind)) x.value = y.value;
            if (!(x == y)) return false;
        }
    }
    return a.armyToMove == b.armyToMove && a.questionerArmy == b.questionerArmy;
}

// Both Kings of the side given by `first` (1: armies 1 and 3, 2: armies 2
// and 4) in the corners, checkmated by four enemy Rooks.
inline TBoard DoubleCheckmate(std::int32_t first) {
    TBoard board = EmptyBoard("44W", 1);
    if (first == 2) {
        Put(board, "A1", 2, King);
        Put(board, "H8", 4, King);
        Put(board, "A8", 3, Rook, 80);
        Put(board, "B8", 3, Rook, 80);
        Put(board, "H1", 1, Rook, 80);
        Put(board, "G1", 1, Rook, 80);
        Put(board, "D4", 1, King);
        Put(board, "E6", 3, King);
    } else {
        Put(board, "A8", 3, King);
        Put(board, "H1", 1, King);
        Put(board, "A1", 2, Rook, 80);
        Put(board, "B1", 2, Rook, 80);
        Put(board, "H8", 4, Rook, 80);
        Put(board, "G8", 4, Rook, 80);
        Put(board, "D4", 2, King);
        Put(board, "E6", 4, King);
    }
    return board;
}

}  // namespace vaeloric::testing_support
