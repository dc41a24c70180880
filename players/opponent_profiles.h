// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vaeloric {

// The eight weights that make one computer opponent play its own way.
struct TOpponentProfile {
    const char* name;
    std::int32_t materialWeight;
    std::int32_t exposureWeight;
    std::int32_t mobilityWeight;
    std::int32_t controlWeight;
    std::int32_t threatWeight;
    std::int32_t checkmateWeight;
    std::int32_t diceCoverageWeight;
    std::int32_t diceBlockWeight;
};

// A run of player codes, first to last.
struct TCodeRange {
    std::int32_t first;
    std::int32_t last;
    constexpr bool Contains(std::int32_t code) const { return code >= first && code <= last; }
    constexpr int Count() const { return last - first + 1; }
};

// The seven rule opponents, each a set of weights of the one evaluation:
// player codes 2 to 8, the Grandmaster last.
inline constexpr TCodeRange kRuleOpponentCodes{2, 8};

// Every computer player: today the rule opponents.
constexpr bool IsComputerCode(std::int32_t playerCode) {
    return kRuleOpponentCodes.Contains(playerCode);
}

// The profile of a computer player code 2..8; throws TInternalError for any
// other code (a human seat has no profile).
const TOpponentProfile& OpponentProfile(std::int32_t playerCode);

}  // namespace vaeloric
