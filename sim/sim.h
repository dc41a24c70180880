// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <iosfwd>

namespace vaeloric::sim {

// Runs one sub-command; returns the exit status. Output goes to out, the one
// error sentence to err.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace vaeloric::sim
