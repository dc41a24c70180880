// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the launcher's reader of a game's answer: it must
// return, and say why whenever it finds no answer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "launch/outcome.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vaeloric::TAnalysisReading reading =
        vaeloric::ReadAnalysisText(std::string(reinterpret_cast<const char*>(data), size));
    if (reading.outcome == vaeloric::TOutcome::Failed && reading.problem.empty()) std::abort();
    return 0;
}
