// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <iosfwd>

namespace vaeloric::sim {

// Runs one sub-command; returns the exit status. Output goes to out, the one
// error sentence to err.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Run on the process's own standard output and error. A failed write or
// close of standard output (a full disk, a closed pipe) is an error: one
// sentence on standard error and status 2, never a silent success.
int RunOnStandardStreams(int argc, const char* const* argv);

inline constexpr const char* kOutputFailedSentence =
    "The output could not be written to standard output.";

}  // namespace vaeloric::sim
