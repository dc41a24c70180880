// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

// How the reading dialog scrolls its text by whole lines. No window system.
namespace vaeloric {

inline constexpr std::size_t kMaxReadingCaption = 60;
inline constexpr std::size_t kMaxShownReading = 999;

// Top of the scroll range: line feeds minus 2, never below 0.
int ReadingScrollMax(const std::string& text);

// The text from line `position` on (0 = the first line), at most 999
// characters.
std::string ReadingTextFrom(const std::string& text, int position);

}  // namespace vaeloric
