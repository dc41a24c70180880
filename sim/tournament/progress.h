// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vaeloric::sim {

// "[#####---------------]  1234/50400 games  98.1 a second  8:21 left",
// to be redrawn in place on a terminal.
// `extra`, when given, ends the line.
std::string ProgressLine(long done, long total, double seconds, const std::string& extra = "");

}  // namespace vaeloric::sim
