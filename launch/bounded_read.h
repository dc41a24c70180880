#pragma once

#include <string>

namespace vaeloric {

// Reads a whole file of at most `limit` bytes. Only regular files are
// opened (checked first, so a pipe or a device never makes us wait).
// Returns an empty string on success, else why not, as a few words
// ("there is no such file").
std::string ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes);

}  // namespace vaeloric
