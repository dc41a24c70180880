// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace vaeloric {

// Reads a whole regular file of at most `limit` bytes through the programs'
// one safe reader (nothing blocks on a pipe or a device). Returns an empty
// string on success, else why not in a few words ("there is no such file").
std::string ReadBoundedFile(const std::string& path, std::size_t limit, std::string& bytes);

}  // namespace vaeloric
