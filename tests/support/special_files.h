// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

namespace vaeloric::test {

// The kinds of file that are not regular files, each made at a path; make
// returns false where this machine cannot make it.
struct TSpecialFile {
    const char* kind;
    bool (*make)(const std::filesystem::path& path);
};

inline bool MakeSocket(const std::filesystem::path& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    const bool made = bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return made;
}

inline const TSpecialFile kSpecialFiles[] = {
    {"FIFO", [](const std::filesystem::path& p) { return mkfifo(p.c_str(), 0644) == 0; }},
    {"socket", MakeSocket},
    // A private node with the null device's numbers: root only.
    {"device",
     [](const std::filesystem::path& p) {
         return geteuid() == 0 && mknod(p.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0;
     }},
    {"folder", [](const std::filesystem::path& p) { return std::filesystem::create_directory(p); }},
};

}  // namespace vaeloric::test
