// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/board.h"

namespace vaeloric {

// Scores of decided positions.
constexpr std::int32_t kBestScore = 2147483647;
constexpr std::int32_t kWorstScore = -2147483647;
constexpr std::int32_t kPtahHeldScore = 2147483637;

// The score of the board as it stands for the army that has just moved, with
// the weights of that army's player code (2..8) and the turn's Ptah factor.
// Trial moves are all taken back; only a trial promotion leaves its trace in
// the pawn's value, as the take-back of a promotion recomputes it.
std::int32_t EvaluatePosition(TBoard& board, std::int32_t army, std::int32_t ptahFactor);

}  // namespace vaeloric
