// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the launcher-argument parser and checks the limits
// of every field it fills.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "flow/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vaeloric::TSetUpRecord record;
    vaeloric::ParseLauncherArgument(std::string_view(reinterpret_cast<const char*>(data), size),
                                    'W', record);
    vaeloric::CheckLauncherRecord(record);
    if (record.caption.size() > 255 || record.questionerName.size() > 24) std::abort();
    for (int seat = 2; seat <= 4; ++seat)
        if (record.seatName[seat].size() > 24 || record.seatCode[seat] < 0 ||
            record.seatCode[seat] > 8)
            std::abort();
    return 0;
}
