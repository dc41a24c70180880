// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/progress.h"

#include <algorithm>
#include <cstdio>

namespace vaeloric::sim {

std::string ProgressLine(long done, long total, double seconds, const std::string& extra) {
    constexpr long kBar = 20;
    const long filled = total > 0 ? std::clamp(kBar * done / total, 0L, kBar) : kBar;
    std::string bar(static_cast<std::size_t>(kBar + 2), '-');
    bar.front() = '[';
    bar.back() = ']';
    bar.replace(1, static_cast<std::size_t>(filled), static_cast<std::size_t>(filled), '#');
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
    char text[160];
    if (rate > 0) {
        const long left = static_cast<long>(static_cast<double>(total - done) / rate + 0.5);
        std::snprintf(text, sizeof text, "  %ld/%ld games  %.1f a second  %ld:%02ld left", done,
                      total, rate, left / 60, left % 60);
    } else {
        std::snprintf(text, sizeof text, "  %ld/%ld games", done, total);
    }
    return bar + text + (extra.empty() ? "" : "  " + extra);
}

}  // namespace vaeloric::sim
