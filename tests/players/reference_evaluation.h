// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "game/board.h"

namespace vaeloric::testing_support {

// EvaluatePosition done the long way, for comparison.
std::int32_t ReferenceEvaluatePosition(TBoard& board, std::int32_t army, std::int32_t ptahFactor);

}  // namespace vaeloric::testing_support
