// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/attack_map.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "game/check.h"
#include "game/legal_scan.h"
#include "players_support.h"

namespace vaeloric {
namespace {

using namespace testing_support;

// The map must give exactly the answers of the attacker search it replaces,
// also once a piece has left its square.
TEST(AttackMap, AgreesWithTheAttackerSearch) {
    int openedLines = 0;
    for (TBoard& position : SelfPlayPositions(8, 80, 3)) {
        TAttackMap map;
        map.Build(position);
        for (std::int32_t army = 1; army <= 4; ++army) {
            for (int rank = 1; rank <= 8; ++rank) {
                for (int file = 1; file <= 8; ++file) {
                    const TSquare square{rank, file};
                    ASSERT_EQ(map.Attacked(army, rank, file),
                              CountAttackers(position, square, army) > 0);
                    // Every piece of the army's side leaving its square.
                    for (int r = 1; r <= 8; ++r) {
                        for (int f = 1; f <= 8; ++f) {
                            const TPiece piece = position.At(r, f);
                            if (piece.kind == Empty ||
                                (piece.army != army && piece.army != AllyOf(army)))
                                continue;
                            if (r == rank && f == file) continue;
                            const TSquare origin{r, f};
                            position.PutPiece(r, f, TPiece{});
                            const bool expected = CountAttackers(position, square, army) > 0;
                            position.PutPiece(r, f, piece);
                            ASSERT_EQ(map.AttackedWithoutOrigin(position, army, square, origin),
                                      expected);
                            if (expected && !map.Attacked(army, rank, file)) ++openedLines;
                        }
                    }
                }
            }
        }
    }
    EXPECT_GT(openedLines, 0);
}

TEST(AttackMap, KingStepsAsTheRulesGiveThem) {
    std::vector<TBoard> positions = SelfPlayPositions(8, 80, 4);
    // Hostile Kings two squares apart share neighbours neither may step to;
    // a King beside an enemy piece that its step would capture.
    TBoard kings = EmptyBoard("45W", Fire);
    Put(kings, "D4", Fire, King);
    Put(kings, "F5", Earth, CombinedKing);
    Put(kings, "D2", Water, King);
    Put(kings, "C4", Earth, Rook);
    positions.push_back(kings);
    int kingsTwoApart = 0;
    for (TBoard& position : positions) {
        TAttackMap map;
        map.Build(position);
        for (std::int32_t army = 1; army <= 4; ++army) {
            TSquare king{0, 0};
            if (!FindKing(position, army, king)) continue;
            for (std::int32_t enemy = 1; enemy <= 4; ++enemy) {
                TSquare other{0, 0};
                if (enemy == army || enemy == AllyOf(army) || !FindKing(position, enemy, other))
                    continue;
                kingsTwoApart += std::max(std::abs(other.rank - king.rank),
                                          std::abs(other.file - king.file)) == 2;
            }
            TPieceMoveList fromMap, fromRules;
            const int n = KingMovesFromMap(position, king, army, map, fromMap);
            ASSERT_EQ(n, KingMoves(position, SquareRecord::At(king), army, fromRules));
            for (int i = 0; i < n; ++i) {
                EXPECT_TRUE(SquaresEqual(fromMap[i].Square(), fromRules[i].Square()));
                EXPECT_EQ(fromMap[i].capture, fromRules[i].capture);
                EXPECT_EQ(fromMap[i].captured, fromRules[i].captured);
            }
        }
    }
    EXPECT_GE(kingsTwoApart, 4);
}

}  // namespace
}  // namespace vaeloric
