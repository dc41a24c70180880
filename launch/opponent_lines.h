#pragma once

#include <cstdint>
#include <string>

namespace vaeloric {

// One line on how a computer opponent (2..8) plays, read from its weights.
std::string OpponentLine(std::int32_t code);

}  // namespace vaeloric
