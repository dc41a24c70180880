// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vaeloric {

// A face of the die, 1..6, as it goes from the throw (or the dice dialog)
// through the Miss Go test to the rules and the computer players; 0 where no
// throw is pending.
using TDieFace = std::int32_t;

}  // namespace vaeloric
