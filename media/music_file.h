// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vaeloric {

// The background music.
inline constexpr const char* kMusicFileName = "sontina3.mid";

// Finds a file the player is asked to open: the name as given (relative to
// the working folder) first, then beside the executable, then in the
// installed data folder. Returns an empty string when none exists. An
// absolute name is only checked as it is.
std::string ResolveMediaFile(const std::string& name);

// The installed data folder (share/vaeloric).
std::string MediaDataFolder();

}  // namespace vaeloric
