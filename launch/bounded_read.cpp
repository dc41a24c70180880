#include "launch/bounded_read.h"

#include <filesystem>
#include <system_error>

#include "flow/safe_file.h"

namespace vaeloric {

std::string ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    // One byte more than allowed tells a file that is too large.
    switch (ReadFileSafely(path, limit + 1, bytes)) {
        case TFileOutcome::Done:
            break;
        case TFileOutcome::NotRegular:
            return "it is not a regular file";
        case TFileOutcome::Failed: {
            std::error_code error;
            return std::filesystem::exists(path, error) ? "it could not be read"
                                                        : "there is no such file";
        }
    }
    if (bytes.size() > limit) {
        bytes.clear();
        return "it is far too large";
    }
    return {};
}

}  // namespace vaeloric
