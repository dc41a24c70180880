// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace vaeloric {

inline constexpr int kUnitCount = 94;
inline constexpr std::size_t kMaxReadingText = 3000;
inline constexpr const char* kNoMovesText = "No moves made.";
inline constexpr float kRestingActivation = -0.1f;

// The readings of the last move and of the whole game so far, and the
// whole-game network state carried from move to move (and in saved games).
struct TReadingRecord {
    std::string moveText = kNoMovesText;  // at most kMaxReadingText characters
    std::string gameText = kNoMovesText;
    std::array<float, kUnitCount> gameActivation;

    TReadingRecord() { Reset(); }
    void Reset() {
        moveText = kNoMovesText;
        gameText = kNoMovesText;
        gameActivation.fill(kRestingActivation);
    }
};

}  // namespace vaeloric
