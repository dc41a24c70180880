// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The evaluation's own form of a legal-move list: small entries grouped by
// origin square, with what the dice survey learnt about each move.

#include <cstdint>
#include <cstring>

#include "game/board.h"
#include "game/legal_moves.h"
#include "game/legal_scan.h"

namespace vaeloric::players {

// Captured pieces are read from the board when needed: a trial promotion
// may have changed a pawn's value since the list was made.
struct TCompactMove {
    std::int8_t fromRank, fromFile, toRank, toFile;
    std::int8_t capture, promotes;
    // After the move, the destination is attacked by the mover's enemies
    // (set by the dice survey).
    std::int8_t attacked;
};

inline int SquareIndex(int rank, int file) {
    return (rank - 1) * 8 + (file - 1);
}

struct TCompactList {
    int count = 0;
    // The moves of one origin square are consecutive (the list is made
    // piece by piece); where they start and how many there are.
    std::uint8_t blockStart[64];
    std::uint8_t blockLength[64];
    TCompactMove moves[kMaxLegalMoves];

    // attacks: the attack map of the board as it stands, or nullptr.
    void Build(TBoard& board, std::int32_t army, TDieFace die, const TAttackMap* attacks,
               const TArmySquares* pieces) {
        count = 0;
        // Squares without moves keep a start too: the board scan reads it
        // before it looks at the length.
        std::memset(blockStart, 0, sizeof blockStart);
        std::memset(blockLength, 0, sizeof blockLength);
        ForEachLegalMove(
            board, army, die,
            [&](const SquareRecord& from, const SquareRecord& to) {
                const int index = SquareIndex(from.rank, from.file);
                if (blockLength[index] == 0) blockStart[index] = static_cast<std::uint8_t>(count);
                ++blockLength[index];
                moves[count++] = TCompactMove{static_cast<std::int8_t>(from.rank),
                                              static_cast<std::int8_t>(from.file),
                                              static_cast<std::int8_t>(to.rank),
                                              static_cast<std::int8_t>(to.file),
                                              static_cast<std::int8_t>(to.capture),
                                              static_cast<std::int8_t>(to.promotes),
                                              0};
                return count < kMaxLegalMoves;
            },
            attacks, pieces);
    }

    // The move from one square to another, or nullptr.
    const TCompactMove* Find(TSquare from, TSquare to) const {
        const int index = SquareIndex(from.rank, from.file);
        for (int i = blockStart[index], end = i + blockLength[index];
             i < end && blockLength[index] != 0; ++i) {
            if (moves[i].toRank == to.rank && moves[i].toFile == to.file) return &moves[i];
        }
        return nullptr;
    }

    // No move of the list captures a piece worth more than the value.
    bool NoCaptureAbove(const TBoard& board, std::int32_t value) const {
        for (int i = 0; i < count; ++i) {
            const TCompactMove& m = moves[i];
            if (m.capture == 1 && board.At(m.toRank, m.toFile).value > value) return false;
        }
        return true;
    }
};

inline SquareRecord TargetRecord(const TBoard& board, const TCompactMove& m) {
    return SquareRecord::Onto(TSquare{m.toRank, m.toFile}, board.At(m.toRank, m.toFile),
                              m.promotes);
}

}  // namespace vaeloric::players
