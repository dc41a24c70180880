// SPDX-License-Identifier: GPL-3.0-or-later

// The fixed weight table of the judgement network, built from its rules:
// rivals within a pool inhibit one another, a sign inhibits the planet of its
// detriment, and corresponding units excite one another.
#include <initializer_list>

#include "reading/network.h"

namespace vaeloric {

namespace {

constexpr int PoolOf(int unit) {
    if (unit <= 9) return 0;                 // sephiroth
    if (unit <= 21) return 1;                // zodiac
    if (unit <= 25) return 2;                // elements
    if (unit <= 32 || unit >= 91) return 3;  // planets, outer ones included
    if (unit <= 54) return 4;                // trumps
    if (unit <= 70) return 5;                // geomantic figures
    return 6;                                // court cards
}

struct TLinks {
    int unit;
    std::initializer_list<int> others;
};

// Each sign against the planet of its detriment.
constexpr int kDetriments[][2] = {{10, 30}, {11, 28}, {12, 27}, {13, 26}, {14, 26}, {15, 27},
                                  {16, 28}, {17, 30}, {18, 31}, {19, 32}, {20, 29}, {21, 31}};

// A unit and the higher-numbered units it is paired with, both ways.
// clang-format off
constexpr TLinks kMutual[] = {
    {0, {15, 24, 43}},         {1, {22, 34}},             {2, {16, 23, 26, 35}},
    {3, {23, 27, 36}},         {4, {10, 22, 28}},         {5, {18, 24, 29, 52}},
    {6, {19, 22, 30}},         {7, {13, 23, 31}},         {8, {14, 24, 32}},
    {9, {25, 54}},             {10, {22, 28, 37, 55}},    {11, {25, 30, 38, 56}},
    {12, {24, 31, 39, 57}},    {13, {23, 32, 40, 58, 59}}, {14, {22, 29, 41, 60, 61}},
    {15, {25, 31, 42, 62}},    {16, {24, 30, 44, 63}},    {17, {23, 28, 46, 64}},
    {18, {22, 27, 47, 65}},    {19, {25, 26, 48, 66}},    {20, {24, 26, 50, 67}},
    {21, {23, 27, 51, 68}},    {22, {53, 55, 60, 65, 70}}, {23, {45, 58, 59, 64, 68}},
    {24, {33, 57, 61, 63, 67}}, {25, {54, 56, 62, 66, 69}}, {26, {66, 67, 70}},
    {27, {43, 65, 68, 69}},    {28, {37, 49, 64}},        {29, {52, 60, 61}},
    {30, {36, 56, 63}},        {31, {34, 57, 62}},        {32, {35, 58, 59}},
    {33, {61}}, {37, {55}}, {38, {66}}, {39, {57}}, {40, {58}}, {41, {60}}, {42, {62}},
    {44, {63}}, {45, {59}}, {46, {64}}, {47, {65}}, {50, {67}}, {51, {68}}, {53, {70}},
    {54, {69}},
};
// clang-format on

// A receiving unit and the units that drive it, one way only: mostly the
// court cards, each lit by its sephira, its element and its planet.
// clang-format off
constexpr TLinks kOneWay[] = {
    {4, {48}},          {26, {54}},         {28, {55, 70}},     {30, {69}},
    {48, {66}},         {49, {4}},          {71, {0, 22, 93}},  {72, {1, 22, 28}},
    {73, {2, 22, 32}},  {74, {3, 22, 31}},  {75, {4, 22, 26}},  {76, {0, 23, 92}},
    {77, {1, 23, 27}},  {78, {2, 23, 32}},  {79, {3, 23, 31}},  {80, {4, 23, 30}},
    {81, {0, 24, 91}},  {82, {1, 24, 27}},  {83, {2, 24, 32}},  {84, {3, 24, 31}},
    {85, {4, 24, 30}},  {86, {0, 9, 25, 29}}, {87, {1, 25, 28}}, {88, {2, 25, 32}},
    {89, {3, 25, 31}},  {90, {4, 25, 26}},
};
// clang-format on

TWeightTable BuildWeights() {
    TWeightTable w{};
    for (int j = 0; j < kUnitCount; ++j)
        for (int i = 0; i < kUnitCount; ++i)
            if (i != j && PoolOf(i) == PoolOf(j)) w[j][i] = -1;
    for (const auto& pair : kDetriments) {
        w[pair[0]][pair[1]] = -1;
        w[pair[1]][pair[0]] = -1;
    }
    for (const TLinks& links : kMutual)
        for (int other : links.others) {
            w[links.unit][other] = 1;
            w[other][links.unit] = 1;
        }
    for (const TLinks& links : kOneWay)
        for (int sender : links.others) w[links.unit][sender] = 1;
    return w;
}

}  // namespace

const TWeightTable& Weights() {
    static const TWeightTable table = BuildWeights();
    return table;
}

}  // namespace vaeloric
