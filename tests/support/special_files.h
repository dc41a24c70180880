// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

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

// Every kind of target a writer meets that it must not replace, shared by the
// tests of every writer of every program. Each makes its target in an empty
// folder of the test's own and returns the path to write to, or an empty
// path where this machine cannot make it.
enum class TTargetRefusal {
    NotRegular,  // not a regular file, through any links
    Failed,      // a loop of links, a missing folder, a full disk
    ReadOnly,
    UnsafeLink,  // a link planted by another user in a sticky shared folder
};

struct TWriteTarget {
    const char* kind;
    std::filesystem::path (*make)(const std::filesystem::path& folder);
    TTargetRefusal refusal;
    bool fullDisk = false;  // the write runs under a one-byte file size limit
};

inline std::filesystem::path MadeOrEmpty(bool made, const std::filesystem::path& path) {
    return made ? path : std::filesystem::path();
}

inline std::filesystem::path MakeOldFile(const std::filesystem::path& path) {
    std::ofstream(path, std::ios::binary) << "old";
    return path;
}

inline std::filesystem::path SpecialTarget(const std::filesystem::path& folder, std::size_t kind) {
    const std::filesystem::path path = folder / "target";
    return MadeOrEmpty(kSpecialFiles[kind].make(path), path);
}

// As root: a folder like /tmp owned by one user, and in it a link owned by
// another that points at a private file of the user's.
inline std::filesystem::path MakePlantedLink(const std::filesystem::path& folder) {
    if (geteuid() != 0) return {};
    const std::filesystem::path shared = folder / "shared";
    std::filesystem::create_directory(shared);
    MakeOldFile(folder / "private");
    chmod((folder / "private").c_str(), 0600);
    const std::filesystem::path link = shared / "target";
    std::filesystem::create_symlink(folder / "private", link);
    const bool made = chown(shared.c_str(), 4242, 4242) == 0 && chmod(shared.c_str(), 01777) == 0 &&
                      lchown(link.c_str(), 4343, 4343) == 0;
    return MadeOrEmpty(made, link);
}

inline const TWriteTarget kWriteTargets[] = {
    {"FIFO", [](const std::filesystem::path& f) { return SpecialTarget(f, 0); },
     TTargetRefusal::NotRegular},
    {"socket", [](const std::filesystem::path& f) { return SpecialTarget(f, 1); },
     TTargetRefusal::NotRegular},
    {"device node", [](const std::filesystem::path& f) { return SpecialTarget(f, 2); },
     TTargetRefusal::NotRegular},
    {"folder", [](const std::filesystem::path& f) { return SpecialTarget(f, 3); },
     TTargetRefusal::NotRegular},
    {"link to a FIFO",
     [](const std::filesystem::path& f) {
         std::filesystem::create_symlink("fifo", f / "target");
         return MadeOrEmpty(mkfifo((f / "fifo").c_str(), 0644) == 0, f / "target");
     },
     TTargetRefusal::NotRegular},
    {"link to /dev/null",
     [](const std::filesystem::path& f) {
         std::filesystem::create_symlink("/dev/null", f / "target");
         return f / "target";
     },
     TTargetRefusal::NotRegular},
    {"self-link",
     [](const std::filesystem::path& f) {
         std::filesystem::create_symlink("target", f / "target");
         return f / "target";
     },
     TTargetRefusal::Failed},
    {"loop of links",
     [](const std::filesystem::path& f) {
         std::filesystem::create_symlink("other", f / "target");
         std::filesystem::create_symlink("target", f / "other");
         return f / "target";
     },
     TTargetRefusal::Failed},
    {"read-only file",
     [](const std::filesystem::path& f) {
         MakeOldFile(f / "target");
         chmod((f / "target").c_str(), 0444);
         return f / "target";
     },
     TTargetRefusal::ReadOnly},
    {"link to a read-only file",
     [](const std::filesystem::path& f) {
         MakeOldFile(f / "real");
         chmod((f / "real").c_str(), 0444);
         std::filesystem::create_symlink("real", f / "target");
         return f / "target";
     },
     TTargetRefusal::ReadOnly},
    {"missing folder", [](const std::filesystem::path& f) { return f / "missing" / "target"; },
     TTargetRefusal::Failed},
    {"full disk", [](const std::filesystem::path& f) { return MakeOldFile(f / "target"); },
     TTargetRefusal::Failed, true},
    {"link planted in a sticky shared folder", MakePlantedLink, TTargetRefusal::UnsafeLink},
};

// Everything in the folder, links not followed: type, bits, owner and
// contents of regular files. A refused write leaves it exactly as it was.
inline std::string FolderPicture(const std::filesystem::path& folder) {
    std::string picture;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        struct stat info {};
        lstat(entry.path().c_str(), &info);
        picture += entry.path().string() + " " + std::to_string(info.st_mode) + " " +
                   std::to_string(info.st_uid) + " " + std::to_string(info.st_size);
        if (S_ISREG(info.st_mode)) {
            std::ifstream in(entry.path(), std::ios::binary);
            picture += " " + std::string(std::istreambuf_iterator<char>(in), {});
        }
        picture += "\n";
    }
    return picture;
}

// Runs `write` as the target asks: under a one-byte file size limit for a
// full disk (the failed write then sees EFBIG, not a signal).
inline void WriteAs(const TWriteTarget& target, const std::function<void()>& write) {
    if (!target.fullDisk) {
        write();
        return;
    }
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    rlimit limited = before;
    limited.rlim_cur = 1;
    const auto previous = signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limited);
    write();
    setrlimit(RLIMIT_FSIZE, &before);
    signal(SIGXFSZ, previous);
}

// Runs `check` once for every target this machine can make, each in a fresh
// empty folder under `base`, and checks that nothing there changed.
inline void ForEachWriteTarget(
    const std::filesystem::path& base,
    const std::function<void(const TWriteTarget&, const std::filesystem::path&)>& check) {
    alarm(60);  // a blocking open ends the test
    for (const TWriteTarget& target : kWriteTargets) {
        const std::filesystem::path folder = base / "targets";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        const std::filesystem::path path = target.make(folder);
        if (path.empty()) {
            std::printf("%s: cannot be made here, skipped\n", target.kind);
            continue;
        }
        const std::string before = FolderPicture(folder);
        WriteAs(target, [&] { check(target, path); });
        EXPECT_EQ(FolderPicture(folder), before) << target.kind;
        std::filesystem::remove_all(folder);
    }
    alarm(0);
}

}  // namespace vaeloric::test
