// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Precomputed neighbour squares for the attack scans, so that the hot loops
// need no edge tests. Internal to game/.

#include <cstdint>

namespace vaeloric::rules {

// Squares are addressed by their place in TBoard::squares seen as one flat
// array of 81 pieces: (9 - rank) * 9 + file.
constexpr int FlatIndex(int rank, int file) {
    return (9 - rank) * 9 + file;
}
constexpr int RankOfFlat(int flat) {
    return 9 - flat / 9;
}
constexpr int FileOfFlat(int flat) {
    return flat % 9;
}

struct TSquareGeometry {
    struct TTargets {
        std::uint8_t count;
        std::uint8_t flat[8];
    };
    struct TRays {
        std::uint8_t length[4];
        std::uint8_t flat[4][7];
    };
    // Indexed by flat index; entries of the unused row 0 and column 0 stay
    // empty.
    TTargets queen[81];
    TTargets horse[81];
    TTargets king[81];
    TRays rook[81];
    TRays bishop[81];
};

// One step of a piece: ranks up, files right.
struct TStep {
    int rank;
    int file;
};

// The generators' orders, so that every scan lists in the same order.
constexpr TStep kQueenSteps[8] = {{2, 0},  {2, 2},   {0, 2},  {-2, 2},
                                  {-2, 0}, {-2, -2}, {0, -2}, {2, -2}};
constexpr TStep kHorseSteps[8] = {{2, 1},   {1, 2},   {-1, 2}, {-2, 1},
                                  {-2, -1}, {-1, -2}, {1, -2}, {2, -1}};
constexpr TStep kKingSteps[8] = {{1, 0},  {1, 1},   {0, 1},  {-1, 1},
                                 {-1, 0}, {-1, -1}, {0, -1}, {1, -1}};
constexpr TStep kRookRays[4] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
constexpr TStep kBishopRays[4] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};

// Per army, the pawn's three steps in order: a diagonal, the straight step,
// the other diagonal. The two diagonals are its captures.
constexpr TStep kPawnSteps[5][3] = {
    {},
    {{1, -1}, {1, 0}, {1, 1}},
    {{1, 1}, {0, 1}, {-1, 1}},
    {{-1, -1}, {-1, 0}, {-1, 1}},
    {{1, -1}, {0, -1}, {-1, -1}},
};
constexpr int kPawnStraightStep = 1;

namespace geometry_detail {

constexpr bool Inside(int rank, int file) {
    return rank >= 1 && rank <= 8 && file >= 1 && file <= 8;
}

constexpr TSquareGeometry::TTargets Jumps(int rank, int file, const TStep (&steps)[8]) {
    TSquareGeometry::TTargets targets{};
    for (const TStep& step : steps)
        if (Inside(rank + step.rank, file + step.file))
            targets.flat[targets.count++] =
                static_cast<std::uint8_t>(FlatIndex(rank + step.rank, file + step.file));
    return targets;
}

constexpr TSquareGeometry::TRays Rays(int rank, int file, const TStep (&rays)[4]) {
    TSquareGeometry::TRays result{};
    for (int d = 0; d < 4; ++d)
        for (int r = rank + rays[d].rank, f = file + rays[d].file; Inside(r, f);
             r += rays[d].rank, f += rays[d].file)
            result.flat[d][result.length[d]++] = static_cast<std::uint8_t>(FlatIndex(r, f));
    return result;
}

constexpr TSquareGeometry Build() {
    TSquareGeometry geometry{};
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const int at = FlatIndex(rank, file);
            geometry.queen[at] = Jumps(rank, file, kQueenSteps);
            geometry.horse[at] = Jumps(rank, file, kHorseSteps);
            geometry.king[at] = Jumps(rank, file, kKingSteps);
            geometry.rook[at] = Rays(rank, file, kRookRays);
            geometry.bishop[at] = Rays(rank, file, kBishopRays);
        }
    return geometry;
}

}  // namespace geometry_detail

inline constexpr TSquareGeometry kGeometry = geometry_detail::Build();

}  // namespace vaeloric::rules
