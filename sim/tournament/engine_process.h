// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <sys/types.h>

#include <string>
#include <utility>

namespace vaeloric::sim {

// An outside engine: a command run by /bin/sh in a process group of its
// own, spoken to over a socket on its standard input and output (its errors
// go nowhere). Every wait has a deadline, and a child that misses one, dies
// or talks nonsense is killed with its whole group, so that no engine can
// hang the program that drives it.
class TEngineProcess {
  public:
    explicit TEngineProcess(std::string command) : command_(std::move(command)) {}
    ~TEngineProcess() { Kill(); }
    TEngineProcess(const TEngineProcess&) = delete;
    TEngineProcess& operator=(const TEngineProcess&) = delete;

    bool Running() const { return pid_ > 0; }
    // Starts the command and waits at most `milliseconds` for its answer to
    // "protocol 1". False, with `why` set and nothing left running, on failure.
    bool Start(int milliseconds, std::string& why);
    // Writes whole lines; false when the engine is gone.
    bool Send(const std::string& text);
    // The next line starting with `word` and a space (or equal to it),
    // skipping others (info and id lines); false when none came in time or
    // the engine closed its output.
    bool Await(const std::string& word, int milliseconds, std::string& line, std::string& why);
    // Ends the child and its group at once; nothing when none runs.
    void Kill();

  private:
    std::string command_;
    pid_t pid_ = -1;
    int socket_ = -1;
    std::string buffer_;
};

// True where outside engines can be run (POSIX systems).
bool EnginesSupported();

}  // namespace vaeloric::sim
