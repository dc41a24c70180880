// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/statistics.h"

#include <algorithm>
#include <cmath>

namespace vaeloric::sim {

TInterval WilsonInterval(double successes, double trials) {
    if (trials <= 0) return {0, 1};
    constexpr double z = 1.959963984540054;
    const double p = successes / trials;
    const double z2n = z * z / trials;
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z / (1 + z2n) * std::sqrt(p * (1 - p) / trials + z2n / (4 * trials));
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

}  // namespace vaeloric::sim
