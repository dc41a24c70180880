// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/board_turn.h"

#include "render/board_geometry.h"

namespace vaeloric {

int QuarterTurnsBringingArmyDown(TSquare ptah, char boardLetter, std::int32_t army) {
    TBoard board;
    board.SetUp(ptah, boardLetter);
    int best = 0;
    double bestScore = -1e9;
    for (int turns = 0; turns < 4; ++turns) {
        // Rows count down the screen: the pieces low, the pawns just above.
        double pieces = 0, pawns = 0;
        int pieceCount = 0, pawnCount = 0;
        for (int rank = 1; rank <= 8; ++rank)
            for (int file = 1; file <= 8; ++file) {
                const TPiece& piece = board.GetPiece(rank, file);
                if (piece.army != army || piece.kind == Empty) continue;
                const int row = ScreenCellOf(turns, rank, file).row;
                if (IsPawnKind(piece.kind)) {
                    pawns += row;
                    ++pawnCount;
                } else {
                    pieces += row;
                    ++pieceCount;
                }
            }
        if (pieceCount == 0 || pawnCount == 0) continue;
        const double low = pieces / pieceCount;
        const double behind = low - pawns / pawnCount;
        const double score = low * 10 + behind;
        if (score > bestScore + 1e-9) {
            bestScore = score;
            best = turns;
        }
    }
    return best;
}

}  // namespace vaeloric
