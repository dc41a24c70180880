// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/safe_file.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <fstream>
#else
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#endif

namespace vaeloric {

namespace fs = std::filesystem;

namespace {

// Temporary files are named "<target name>.tmp-<process id>-<unique part>",
// so that a later write can tell the ones whose writer is gone.
constexpr const char* kTemporaryMark = ".tmp-";

std::string UniquePart() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    return std::to_string(stamp) + "-" + std::to_string(++counter);
}

bool CreateFolders(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    if (parent.empty()) return true;
    std::error_code error;
    fs::create_directories(parent, error);
    return !error;
}

}  // namespace

#ifdef _WIN32

// Windows: the standard library's calls only. The rename replaces the target
// at once, but nothing is flushed to the disk and no link is followed by hand.
namespace {

TFileOutcome ResolveTarget(const std::string& path, const TWriteOptions& options, fs::path& target,
                           bool& exists) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    exists = fs::exists(status);
    if (exists && !fs::is_regular_file(status)) return TFileOutcome::NotRegular;
    if (exists && !options.replaceReadOnly &&
        (status.permissions() & fs::perms::owner_write) == fs::perms::none)
        return TFileOutcome::ReadOnly;
    target = exists ? fs::canonical(path, error) : fs::path(path);
    if (error) target = fs::path(path);
    return TFileOutcome::Done;
}

}  // namespace

TFileOutcome CheckWriteTarget(const std::string& path, const TWriteOptions& options) {
    fs::path target;
    bool exists = false;
    return ResolveTarget(path, options, target, exists);
}

TFileOutcome WriteFileSafely(const std::string& path, const std::string& contents,
                             const TWriteOptions& options) {
    if (path.empty()) return TFileOutcome::Failed;
    if (options.createFolders && !CreateFolders(path)) return TFileOutcome::Failed;
    fs::path target;
    bool exists = false;
    if (const TFileOutcome outcome = ResolveTarget(path, options, target, exists);
        outcome != TFileOutcome::Done)
        return outcome;
    std::error_code error;
    fs::path temporary;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target.string() + kTemporaryMark + "0-" + UniquePart();
        if (!fs::exists(temporary, error)) break;
    }
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(contents.data(), static_cast<std::streamsize>(contents.size()));
        out.flush();
        written = static_cast<bool>(out);
    }
    if (written && exists)
        fs::permissions(temporary, fs::status(target, error).permissions(), error);
    // A read-only target the user agreed to replace must be writable to go.
    if (written && exists && options.replaceReadOnly)
        fs::permissions(target, fs::perms::owner_write, fs::perm_options::add, error);
    if (written) fs::rename(temporary, target, error);
    if (!written || error) {
        fs::remove(temporary, error);
        return TFileOutcome::Failed;
    }
    return TFileOutcome::Done;
}

TFileOutcome ReadFileSafely(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (path.empty() || !fs::exists(status)) return TFileOutcome::Failed;
    if (!fs::is_regular_file(status)) return TFileOutcome::NotRegular;
    std::ifstream in(path, std::ios::binary);
    if (!in) return TFileOutcome::Failed;
    bytes.resize(maxBytes);
    in.read(bytes.data(), static_cast<std::streamsize>(maxBytes));
    if (in.bad()) return TFileOutcome::Failed;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return TFileOutcome::Done;
}

#else

namespace {

// The file a write replaces: the path with every symbolic link followed, as
// open() would follow them. `exists` is false for a file still to be made.
struct TTarget {
    std::string path;
    bool exists = false;
    struct stat info {};
};

// The kernel's rule for links in shared folders, which following links by
// hand would otherwise bypass: in a sticky folder that anyone may write to, a
// link is followed only when its owner is the user or the folder's owner.
bool LinkMayBeFollowed(const std::string& link, const struct stat& linkInfo) {
    std::string folder = fs::path(link).parent_path().string();
    if (folder.empty()) folder = ".";
    struct stat folderInfo {};
    if (stat(folder.c_str(), &folderInfo) != 0) return false;
    const bool shared = (folderInfo.st_mode & S_ISVTX) != 0 && (folderInfo.st_mode & S_IWOTH) != 0;
    return !shared || linkInfo.st_uid == geteuid() || linkInfo.st_uid == folderInfo.st_uid;
}

// A file the user may not write to. Root may write to anything, so for root
// a file is read-only when no one may write to it.
bool ReadOnlyFile(const std::string& path, const struct stat& info) {
    if (geteuid() == 0) return (info.st_mode & 0222) == 0;
    return faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

TFileOutcome ResolveTarget(const std::string& path, const TWriteOptions& options, TTarget& target) {
    std::string current = path;
    for (int links = 0; links < 40; ++links) {
        struct stat info {};
        if (lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT) return TFileOutcome::Failed;
            target.path = current;
            target.exists = false;
            return TFileOutcome::Done;
        }
        if (S_ISLNK(info.st_mode)) {
            if (!LinkMayBeFollowed(current, info)) return TFileOutcome::UnsafeLink;
            std::string link(static_cast<std::size_t>(info.st_size) + 256, '\0');
            const ssize_t length = readlink(current.c_str(), link.data(), link.size());
            if (length <= 0 || static_cast<std::size_t>(length) >= link.size())
                return TFileOutcome::Failed;
            link.resize(static_cast<std::size_t>(length));
            fs::path next(link);
            if (next.is_relative()) next = fs::path(current).parent_path() / next;
            current = next.string();
            continue;
        }
        if (!S_ISREG(info.st_mode)) return TFileOutcome::NotRegular;
        if (!options.replaceReadOnly && ReadOnlyFile(current, info)) return TFileOutcome::ReadOnly;
        target.path = current;
        target.exists = true;
        target.info = info;
        return TFileOutcome::Done;
    }
    return TFileOutcome::Failed;  // a loop of links
}

bool WriteAll(int fd, const std::string& contents) {
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the bytes a file in the folder under a name no one else has.
bool WriteTemporary(const TTarget& target, const std::string& contents, bool ownerOnly,
                    std::string& temporary) {
    const std::string prefix = target.path + kTemporaryMark + std::to_string(getpid()) + "-";
    // An existing file is replaced by one with its bits; until they are set,
    // only the owner may read the new one.
    const mode_t mode = target.exists || ownerOnly ? 0600 : 0666;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = prefix + UniquePart();
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool written = WriteAll(fd, contents);
    if (written && target.exists && !ownerOnly) {
        // Ownership may only be kept by the owner or root; either way the
        // permission bits are (a read-only file replaced stays read-only).
        [[maybe_unused]] const int owned = fchown(fd, target.info.st_uid, target.info.st_gid);
        written = fchmod(fd, target.info.st_mode & 07777) == 0;
    }
    written = written && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written) unlink(temporary.c_str());
    return written;
}

void SyncFolder(const std::string& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    // Some file systems cannot flush a folder; the rename stands anyway.
    fsync(fd);
    close(fd);
}

// The process that wrote a temporary file is gone. Longer numbers than any
// process id come from the clock stamps that earlier versions used.
bool WriterGone(const std::string& idText) {
    if (idText.empty() || idText.find_first_not_of("0123456789") != std::string::npos) return false;
    if (idText.size() > 9) return true;
    const long id = std::strtol(idText.c_str(), nullptr, 10);
    if (id <= 0 || id == getpid()) return false;
    return kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH;
}

// Removes the temporary files of the target that killed writers left behind.
void RemoveStaleTemporaries(const std::string& targetPath) {
    const fs::path target(targetPath);
    const std::string folder = target.parent_path().string();
    const std::string prefix = target.filename().string() + kTemporaryMark;
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.compare(0, prefix.size(), prefix) != 0) continue;
        const std::size_t dash = name.find('-', prefix.size());
        if (dash == std::string::npos ||
            !WriterGone(name.substr(prefix.size(), dash - prefix.size())))
            continue;
        const std::string stale =
            (folder.empty() ? fs::path(name) : fs::path(folder) / name).string();
        struct stat info {};
        if (lstat(stale.c_str(), &info) == 0 && S_ISREG(info.st_mode)) unlink(stale.c_str());
    }
    closedir(dir);
}

}  // namespace

TFileOutcome CheckWriteTarget(const std::string& path, const TWriteOptions& options) {
    TTarget target;
    return ResolveTarget(path, options, target);
}

TFileOutcome WriteFileSafely(const std::string& path, const std::string& contents,
                             const TWriteOptions& options) {
    if (path.empty()) return TFileOutcome::Failed;
    if (options.createFolders && !CreateFolders(path)) return TFileOutcome::Failed;
    TTarget target;
    if (const TFileOutcome outcome = ResolveTarget(path, options, target);
        outcome != TFileOutcome::Done)
        return outcome;
    std::string temporary;
    if (!WriteTemporary(target, contents, options.ownerOnly, temporary))
        return TFileOutcome::Failed;
    if (rename(temporary.c_str(), target.path.c_str()) != 0) {
        unlink(temporary.c_str());
        return TFileOutcome::Failed;
    }
    SyncFolder(fs::path(target.path).parent_path().string());
    RemoveStaleTemporaries(target.path);
    return TFileOutcome::Done;
}

TFileOutcome ReadFileSafely(const std::string& path, std::size_t maxBytes, std::string& bytes) {
    bytes.clear();
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0) return TFileOutcome::Failed;
    if (!S_ISREG(info.st_mode)) return TFileOutcome::NotRegular;
    // Should the file be swapped for a FIFO after the check, the open still
    // returns at once, and the second check refuses it.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return TFileOutcome::Failed;
    TFileOutcome outcome = TFileOutcome::Done;
    if (fstat(fd, &info) != 0)
        outcome = TFileOutcome::Failed;
    else if (!S_ISREG(info.st_mode))
        outcome = TFileOutcome::NotRegular;
    bytes.resize(outcome == TFileOutcome::Done ? maxBytes : 0);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) outcome = TFileOutcome::Failed;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    close(fd);
    bytes.resize(outcome == TFileOutcome::Done ? done : 0);
    return outcome;
}

#endif

TFileOutcome WriteFileSafely(const std::string& path, const std::string& contents,
                             bool createFolders) {
    TWriteOptions options;
    options.createFolders = createFolders;
    return WriteFileSafely(path, contents, options);
}

bool SafeWriteFile(const std::string& path, const std::string& contents, bool createFolders) {
    return WriteFileSafely(path, contents, createFolders) == TFileOutcome::Done;
}

std::string WriteProblemSentence(const std::string& path, TFileOutcome outcome) {
    const std::string quoted = "'" + path + "'";
    switch (outcome) {
        case TFileOutcome::Done:
            return {};
        case TFileOutcome::NotRegular:
            return quoted + " is not a regular file; nothing was written.";
        case TFileOutcome::ReadOnly:
            return quoted + " is read-only; nothing was written.";
        case TFileOutcome::UnsafeLink:
            return quoted + " is a link another user left in a shared folder; nothing was written.";
        case TFileOutcome::Failed:
            break;
    }
    return quoted + " could not be written; nothing was changed.";
}

}  // namespace vaeloric
