// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <map>
#include <string>

// The launcher's settings: a small INI file, "[section]" lines and
// "key=value" lines, read and written through the one safe path. Keys are
// "section/key"; those of the [General] section have no section part.

namespace vaeloric {

using TSettings = std::map<std::string, std::string>;

// $XDG_CONFIG_HOME/vaeloric/Vaeloric Chess.conf (default ~/.config/...),
// where the launcher has always kept them; empty without a home.
std::string SettingsFilePath();

// Reads the settings. A file that is not a regular file, cannot be read or is
// far too large is moved aside, never opened as a stream, and `message` says
// where it went; the settings are then empty.
TSettings LoadSettingsFile(const std::string& path, std::string& message);

// Writes the settings whole; empty, or the one sentence of why not.
std::string SaveSettingsFile(const std::string& path, const TSettings& settings);

// The file's text, and the settings a text holds.
std::string SettingsText(const TSettings& settings);
TSettings ParseSettings(const std::string& text);

inline constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

}  // namespace vaeloric
