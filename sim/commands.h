// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace vaeloric::sim {

// The sub-commands. Each gets the arguments after its name, writes its whole
// output to out and returns the exit status; bad usage and bad files throw
// TUsageError before anything is written.
using TArguments = std::vector<std::string>;

int RunLegal(const TArguments& args, std::string& out);
int RunChoose(const TArguments& args, std::string& out);
int RunStatus(const TArguments& args, std::string& out);
int RunRead(const TArguments& args, std::string& out);
int RunPlay(const TArguments& args, std::string& out);
int RunReplay(const TArguments& args, std::string& out);
int RunBench(const TArguments& args, std::string& out);
int RunTournament(const TArguments& args, std::string& out);
// Answers the engine protocol's commands from `in` on `out`, line by line,
// until quit or the end of `in`.
int RunEngine(const TArguments& args, std::istream& in, std::ostream& out);
// The network seats (built with Qt's WebSockets only).
int RunHost(const TArguments& args, std::string& out);
int RunJoin(const TArguments& args, std::string& out);

}  // namespace vaeloric::sim
