// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/tournament/engine_process.h"

#include <chrono>

#ifndef _WIN32
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

extern char** environ;
#endif

namespace vaeloric::sim {

#ifndef _WIN32

bool EnginesSupported() {
    return true;
}

bool TEngineProcess::Start(int milliseconds, std::string& why) {
    Kill();
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        why = "could not be started (no socket)";
        return false;
    }
    // The child's end becomes its standard input and output; dup2 clears
    // the close-on-exec flag there only.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 0);
    posix_spawn_file_actions_adddup2(&actions, ends[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setpgroup(&attributes, 0);
    // Signals the driver ignores or catches (Ctrl+C) are back to normal in
    // the engine; it has its own group, so a terminal's Ctrl+C reaches it
    // only through the driver, which kills it.
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGDEF);
    const char* argv[] = {"/bin/sh", "-c", command_.c_str(), nullptr};
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, "/bin/sh", &actions, &attributes,
                                    const_cast<char* const*>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(ends[1]);
    if (spawned != 0) {
        close(ends[0]);
        why = "could not be started";
        return false;
    }
    pid_ = pid;
    socket_ = ends[0];
    buffer_.clear();
    std::string line;
    if (!Send("protocol 1\n") || !Await("ready", milliseconds, line, why)) {
        why = "did not answer protocol 1 with ready (" + why + ")";
        Kill();
        return false;
    }
    return true;
}

bool TEngineProcess::Send(const std::string& text) {
    std::size_t sent = 0;
    while (Running() && sent < text.size()) {
        // No SIGPIPE: a dead engine is a failed write, not the driver's end.
        const ssize_t n = send(socket_, text.data() + sent, text.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<std::size_t>(n);
    }
    return Running();
}

bool TEngineProcess::Await(const std::string& word, int milliseconds, std::string& line,
                           std::string& why) {
    // An engine may not flood the driver: a line this long is nonsense.
    constexpr std::size_t kMaxLine = 1 << 16;
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (Running()) {
        for (std::size_t end; (end = buffer_.find('\n')) != std::string::npos;) {
            line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line == word || line.rfind(word + " ", 0) == 0) return true;
        }
        if (buffer_.size() > kMaxLine) {
            why = "wrote a line of more than 64 KiB";
            return false;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              deadline - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) {
            why = "no answer in " + std::to_string(milliseconds) + " ms";
            return false;
        }
        pollfd watched{socket_, POLLIN, 0};
        const int ready = poll(&watched, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) continue;
        char chunk[4096];
        const ssize_t n = recv(socket_, chunk, sizeof chunk, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            why = "it ended or closed its output";
            return false;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
    }
    why = "it is not running";
    return false;
}

void TEngineProcess::Kill() {
    if (socket_ >= 0) close(socket_);
    socket_ = -1;
    if (pid_ > 0) {
        kill(-pid_, SIGKILL);  // its own group: the shell and what it started
        while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
    pid_ = -1;
    buffer_.clear();
}

#else

bool EnginesSupported() {
    return false;
}
bool TEngineProcess::Start(int, std::string& why) {
    why = "outside engines are not supported on this system";
    return false;
}
bool TEngineProcess::Send(const std::string&) {
    return false;
}
bool TEngineProcess::Await(const std::string&, int, std::string&, std::string& why) {
    why = "outside engines are not supported on this system";
    return false;
}
void TEngineProcess::Kill() {}

#endif

}  // namespace vaeloric::sim
