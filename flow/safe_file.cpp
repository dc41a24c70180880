#include "flow/safe_file.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vaeloric {

namespace fs = std::filesystem;

namespace {

std::string TemporaryNameBeside(const fs::path& target) {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return target.string() + ".tmp-" + std::to_string(stamp) + "-" + std::to_string(++counter);
}

}  // namespace

bool SafeWriteFile(const std::string& path, const std::string& contents, bool createFolders) {
    if (path.empty()) return false;
    const fs::path target(path);
    std::error_code error;
    if (createFolders && target.has_parent_path()) fs::create_directories(target.parent_path(), error);

    const std::string temporary = TemporaryNameBeside(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temporary, error);
            return false;
        }
    }
    fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

}  // namespace vaeloric
