// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/saved_game_scanner.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace vaeloric::saved_game {

namespace {

constexpr bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool TScanner::ReadLine(std::string_view& line) {
    if (AtEnd()) return false;
    const std::size_t end = bytes_.find('\n', position_);
    const std::size_t stop = end == std::string_view::npos ? bytes_.size() : end;
    line = bytes_.substr(position_, stop - position_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    position_ = end == std::string_view::npos ? bytes_.size() : end + 1;
    return true;
}

void TScanner::SkipLine() {
    std::string_view ignored;
    ReadLine(ignored);
}

void TScanner::SkipSpace() {
    while (!AtEnd() && IsSpace(bytes_[position_])) ++position_;
}

std::size_t TScanner::FloatLength() const {
    std::size_t i = position_;
    const std::size_t n = bytes_.size();
    if (i < n && (bytes_[i] == '+' || bytes_[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(bytes_[i])) ++i, ++digits;
    if (i < n && bytes_[i] == '.') {
        ++i;
        while (i < n && IsDigit(bytes_[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    // An exponent only counts when digits follow it.
    if (i < n && (bytes_[i] == 'e' || bytes_[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (bytes_[j] == '+' || bytes_[j] == '-')) ++j;
        if (j < n && IsDigit(bytes_[j])) {
            while (j < n && IsDigit(bytes_[j])) ++j;
            i = j;
        }
    }
    return i - position_;
}

bool TScanner::ReadFloat(float& value) {
    SkipSpace();
    const std::size_t length = FloatLength();
    if (length == 0) return false;
    const char* first = bytes_.data() + position_;
    const char* last = first + length;
    // from_chars takes no leading plus sign.
    if (*first == '+') ++first;
    float parsed = 0.0f;
    auto result = std::from_chars(first, last, parsed, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small for a float reads as zero, as a stream reads it; too
        // large stays an error.
        double wide = 0.0;
        result = std::from_chars(first, last, wide, std::chars_format::general);
        if (result.ec != std::errc() || std::fabs(wide) >= 1.0) return false;
        parsed = 0.0f;
    }
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(parsed)) return false;
    position_ += length;
    value = parsed;
    return true;
}

bool TScanner::ReadInt(std::int32_t& value) {
    SkipSpace();
    std::size_t i = position_;
    const std::size_t n = bytes_.size();
    if (i < n && (bytes_[i] == '+' || bytes_[i] == '-')) ++i;
    const std::size_t digitsStart = i;
    while (i < n && IsDigit(bytes_[i])) ++i;
    if (i == digitsStart) return false;
    // Parse the sign with the digits so that the most negative value fits.
    const char* first = bytes_.data() + position_;
    if (*first == '+') ++first;
    std::int32_t parsed = 0;
    const auto result = std::from_chars(first, bytes_.data() + i, parsed);
    if (result.ec != std::errc() || result.ptr != bytes_.data() + i) return false;
    position_ = i;
    value = parsed;
    return true;
}

}  // namespace vaeloric::saved_game
