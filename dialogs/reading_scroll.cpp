// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/reading_scroll.h"

#include <algorithm>

#include "reading/reading_record.h"

namespace vaeloric {

int ReadingScrollMax(const std::string& text) {
    const auto feeds = std::count(text.begin(), text.end(), '\n');
    return static_cast<int>(std::max<std::ptrdiff_t>(feeds - 2, 0));
}

std::string ReadingTextFrom(const std::string& text, int position) {
    const std::size_t limit = std::min(text.size(), kMaxReadingText);
    std::size_t start = 0;
    for (int line = 0; line < position && start < limit; ++line) {
        const std::size_t feed = text.find('\n', start);
        start = (feed == std::string::npos || feed >= limit) ? limit : feed + 1;
    }
    return text.substr(start, std::min(kMaxShownReading, text.size() - start));
}

}  // namespace vaeloric
