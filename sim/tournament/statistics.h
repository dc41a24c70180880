// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace vaeloric::sim {

struct TInterval {
    double low = 0;
    double high = 0;
};

// The 95 % Wilson score interval of `successes` out of `trials`; [0, 1]
// when there are no trials.
TInterval WilsonInterval(double successes, double trials);

}  // namespace vaeloric::sim
