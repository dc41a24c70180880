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

constexpr std::int32_t kFirstComputerCode = 2;
constexpr std::int32_t kLastComputerCode = 8;

constexpr bool IsComputerCode(std::int32_t playerCode) {
    return playerCode >= kFirstComputerCode && playerCode <= kLastComputerCode;
}

// The profile of a computer player code 2..8; throws TInternalError for any
// other code (a human seat has no profile).
const TOpponentProfile& OpponentProfile(std::int32_t playerCode);

}  // namespace vaeloric
