// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/piece.h"
#include "game/square.h"

namespace vaeloric {

// One entry of a move list, and the description of a move for making and
// taking it back.
struct SquareRecord {
    std::int32_t rank = 0;
    std::int32_t file = 0;
    std::int32_t capture = 0;   // 1 when the move captures the piece on the square
    TPiece captured;            // the captured piece; empty when capture is 0
    std::int32_t promotes = 0;  // 1 when a pawn move ends on its promotion line

    TSquare Square() const { return TSquare{rank, file}; }
    static SquareRecord At(TSquare square) {
        SquareRecord record;
        record.rank = square.rank;
        record.file = square.file;
        return record;
    }
    // The move onto a square where `standing` stands: it captures whatever
    // is there.
    static SquareRecord Onto(TSquare square, const TPiece& standing, std::int32_t promotes = 0) {
        SquareRecord record = At(square);
        if (standing.kind != Empty) {
            record.capture = 1;
            record.captured = standing;
        }
        record.promotes = promotes;
        return record;
    }
};

}  // namespace vaeloric
