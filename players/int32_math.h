// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace vaeloric::players {

// The evaluation is defined in signed 32-bit arithmetic that wraps on
// overflow. Signed overflow is undefined in C++, so every step is computed in
// 64 bits and wrapped back explicitly; the conversion of an out-of-range
// value to a signed type is modular since C++20, so the result is the same
// on every compiler. Values read from a saved game may be anything.
constexpr std::int32_t Wrap32(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}
constexpr std::int32_t Add32(std::int32_t a, std::int32_t b) {
    return Wrap32(std::int64_t{a} + std::int64_t{b});
}
constexpr std::int32_t Sub32(std::int32_t a, std::int32_t b) {
    return Wrap32(std::int64_t{a} - std::int64_t{b});
}
constexpr std::int32_t Mul32(std::int32_t a, std::int32_t b) {
    return Wrap32(std::int64_t{a} * std::int64_t{b});
}
// Truncates towards zero, like C++ division; the one quotient that does not
// fit (the smallest value divided by -1) wraps.
constexpr std::int32_t Div32(std::int32_t a, std::int32_t b) {
    return Wrap32(std::int64_t{a} / std::int64_t{b});
}

}  // namespace vaeloric::players
