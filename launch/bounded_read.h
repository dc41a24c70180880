#pragma once

#include <cstddef>
#include <string>

namespace vaeloric {

// Reads a whole file of at most `limit` bytes through the safe reader (only
// regular files, never blocking on a pipe or a device). Returns an empty
// string on success, else why not, as a few words ("there is no such file").
std::string ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes);

}  // namespace vaeloric
