// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "sim/tournament/report.h"

namespace vaeloric::sim {

// The ratings with their 95 % intervals as a small SVG picture, one row per
// profile from the strongest down. Written by hand: a few dozen elements do
// not warrant a drawing library in a tool that has no window system.
std::string RatingChartSvg(const TTournamentReport& report);

}  // namespace vaeloric::sim
