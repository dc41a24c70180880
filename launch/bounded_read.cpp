#include "launch/bounded_read.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace vaeloric {

std::string ReadRegularFile(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) return "there is no such file";
    if (!std::filesystem::is_regular_file(status)) return "it is not a regular file";
    const auto size = std::filesystem::file_size(path, error);
    if (error) return "it could not be read";
    if (size > limit) return "it is far too large";
    std::ifstream in(path, std::ios::binary);
    if (!in) return "it could not be read";
    // One byte more than allowed tells a file that grew meanwhile.
    bytes.resize(limit + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return "it could not be read";
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > limit) return "it is far too large";
    return {};
}

}  // namespace vaeloric
