#pragma once

#include <string>

namespace vaeloric {

// Writes `contents` to `path` so that the old file survives any failure: the
// bytes go to a temporary file in the same folder, which is flushed and then
// renamed over the target. Creates missing parent folders when asked.
// Returns false (and leaves the target untouched) on any failure.
bool SafeWriteFile(const std::string& path, const std::string& contents,
                   bool createFolders = false);

}  // namespace vaeloric
