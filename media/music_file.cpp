// SPDX-License-Identifier: GPL-3.0-or-later

#include "media/music_file.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

#ifndef VAELORIC_DATA_DIR
#define VAELORIC_DATA_DIR ""
#endif

namespace vaeloric {

namespace {

bool IsRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string MediaDataFolder() {
    return VAELORIC_DATA_DIR;
}

std::string ResolveMediaFile(const std::string& name) {
    if (name.empty()) return {};
    const std::filesystem::path given = std::filesystem::path(name);
    if (IsRegularFile(given)) return name;
    if (given.is_absolute()) return {};

    std::filesystem::path candidates[2];
    int count = 0;
    // Beside the executable needs the application object for its folder.
    if (QCoreApplication::instance() != nullptr) {
        candidates[count++] =
            std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / given;
    }
    if (!MediaDataFolder().empty()) {
        candidates[count++] = std::filesystem::path(MediaDataFolder()) / given;
    }
    for (int i = 0; i < count; ++i) {
        if (IsRegularFile(candidates[i])) return candidates[i].string();
    }
    return {};
}

}  // namespace vaeloric
