#include "sim/sim.h"

#include <exception>
#include <ostream>

#include "sim/commands.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

namespace {

constexpr const char* kUsage =
    "Usage: vaeloric-sim legal GAME.vae FACE | choose GAME.vae FACE [--opponent CODE] [--scores]"
    " | status GAME.vae | read GAME.vae SQUARE | play [--board W|A|E|F] [--ptah SQUARE]"
    " [--seats LLL] [--questioner CODE] [--seed N] [--turns N] [--save FILE] [--analysis FILE]"
    " | bench [--games N] [--turns T]"
    " | tournament [--profiles 2..8] [--boards WAEF] [--games N] [--turns N] [--seed N]"
    " [--threads N] [--csv FILE] [--json FILE] [--svg FILE]";

}  // namespace

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    if (argc < 2) {
        err << kUsage << "\n";
        return 2;
    }
    const std::string command = argv[1];
    const TArguments args(argv + 2, argv + argc);
    // The output is collected first so that a failure never leaves a partial
    // result on standard output.
    std::string text;
    int status = 0;
    try {
        if (command == "legal")
            status = RunLegal(args, text);
        else if (command == "choose")
            status = RunChoose(args, text);
        else if (command == "status")
            status = RunStatus(args, text);
        else if (command == "read")
            status = RunRead(args, text);
        else if (command == "play")
            status = RunPlay(args, text);
        else if (command == "bench")
            status = RunBench(args, text);
        else if (command == "tournament")
            status = RunTournament(args, text);
        else
            throw TUsageError("Unknown sub-command '" + command +
                              "'; use legal, choose, status, read, play, bench or tournament.");
    } catch (const TUsageError& error) {
        err << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        err << "Internal error: " << error.what() << "\n";
        return 1;
    }
    out << text;
    out.flush();
    return status;
}

}  // namespace vaeloric::sim
