// SPDX-License-Identifier: GPL-3.0-or-later

#include "launch/bounded_read.h"

#include <filesystem>
#include <system_error>

#include "flow/safe_file.h"

namespace vaeloric {

std::string ReadBoundedFile(const std::string& path, std::size_t limit, std::string& bytes) {
    // One byte more than allowed tells a file that is too large.
    switch (ReadFileSafely(path, limit + 1, bytes)) {
        case TFileOutcome::Done:
            return bytes.size() > limit ? "it is far too large" : "";
        case TFileOutcome::NotRegular:
            return "it is not a regular file";
        case TFileOutcome::Failed:
        case TFileOutcome::ReadOnly:
        case TFileOutcome::UnsafeLink:
            break;
    }
    std::error_code error;
    return std::filesystem::exists(path, error) ? "it could not be read" : "there is no such file";
}

}  // namespace vaeloric
