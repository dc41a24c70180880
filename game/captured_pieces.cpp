// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/captured_pieces.h"

#include <algorithm>
#include <numeric>

namespace vaeloric {

namespace {

constexpr int kKinds = CombinedKing + 1;
using TCounts = std::array<std::array<int, kKinds>, 5>;

TCounts CountPieces(const TBoard& board) {
    TCounts counts{};
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            if (piece.army < 1 || piece.army > 4 || piece.kind <= Empty || piece.kind >= kKinds)
                continue;
            if (piece.kind == CombinedKing) {
                ++counts[piece.army][King];
                ++counts[piece.army][board.CompanionKind()];
            } else {
                ++counts[piece.army][piece.kind];
            }
        }
    return counts;
}

char LetterOfElement(std::int32_t elementCode) {
    constexpr char kLetters[5] = {'A', 'A', 'W', 'F', 'E'};
    return elementCode >= 1 && elementCode <= 4 ? kLetters[elementCode] : 'A';
}

bool IsPawn(std::int32_t kind) {
    return kind >= HorsePawn && kind <= BishopPawn;
}

}  // namespace

std::array<std::vector<TLostPiece>, 5> LostPieces(const TBoard& board) {
    TBoard start = board;
    start.SetUp(board.ptah, LetterOfElement(board.elementCode));
    const TCounts before = CountPieces(start);
    const TCounts now = CountPieces(board);
    std::array<std::vector<TLostPiece>, 5> lost;
    for (int army = 1; army <= 4; ++army) {
        std::array<int, kKinds> missing{};
        int promoted[kKinds] = {};
        for (int kind = 1; kind < kKinds; ++kind) {
            missing[kind] = std::max(0, before[army][kind] - now[army][kind]);
            promoted[kind] = std::max(0, now[army][kind] - before[army][kind]);
        }
        // A piece beyond the set-up's is a pawn that was promoted: its own
        // kind of pawn first, else any pawn that is gone.
        for (int kind = 1; kind < kKinds; ++kind) {
            for (; promoted[kind] > 0 && !IsPawn(kind); --promoted[kind]) {
                int pawn = PawnKindOrEmpty(kind);
                if (!IsPawn(pawn) || missing[pawn] == 0)
                    for (pawn = HorsePawn; pawn <= BishopPawn && missing[pawn] == 0; ++pawn) {
                    }
                if (pawn > BishopPawn) break;
                --missing[pawn];
            }
        }
        for (int kind = 1; kind < kKinds; ++kind)
            for (int n = 0; n < missing[kind]; ++n)
                lost[army].push_back({kind, InitialValue(board, kind, army)});
        std::stable_sort(
            lost[army].begin(), lost[army].end(),
            [](const TLostPiece& a, const TLostPiece& b) { return a.value > b.value; });
    }
    return lost;
}

std::int32_t TotalValue(const std::vector<TLostPiece>& pieces) {
    return std::accumulate(
        pieces.begin(), pieces.end(), std::int32_t{0},
        [](std::int32_t sum, const TLostPiece& piece) { return sum + piece.value; });
}

}  // namespace vaeloric
