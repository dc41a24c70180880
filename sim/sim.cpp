// SPDX-License-Identifier: GPL-3.0-or-later

#include "sim/sim.h"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <iostream>
#include <ostream>
#include <string_view>

#include "flow/game_record.h"
#include "sim/commands.h"
#include "sim/sim_support.h"
#include "sim/tournament/options.h"
#include "vaeloric_version.h"

namespace vaeloric::sim {

namespace {

// The status, or 2 when the output could not be written.
int Flushed(std::ostream& out, std::ostream& err, int status) {
    out.flush();
    if (out) return status;
    err << kOutputFailedSentence << "\n";
    return 2;
}

std::string TournamentUsage() {
    return "  tournament [OPTIONS]\n"
           "      Plays every profile as the Questioner's side against every other, on every\n"
           "      board, and prints the ratings and the chances of a favourable answer.\n"
           "      --profiles CODES   two or more profiles, 2 to 9 (default 2345678; 9 is the\n"
           "                         Seer)\n"
           "      --boards LETTERS   some of W A E F (default WAEF)\n"
           "      --games N          games per pairing and board, 1 to " +
           std::to_string(kMaxGamesPerPairing) +
           " (default 10)\n"
           "      --turns N          the turn limit, 1 to " +
           std::to_string(kMaxTournamentTurns) +
           " (default 400)\n"
           "      --seed N           the base seed, 0 to 4294967295 (default 1)\n"
           "      --threads N        1 to " +
           std::to_string(kMaxThreads) +
           " (default: every core)\n"
           "      --seer-nodes N     the Seer's positions per move, 1 to " +
           std::to_string(kMaxSeerNodes) + " (default " +
           std::to_string(SeerLevel(kDefaultSeerLevel).nodes) +
           ")\n"
           "      --csv FILE, --json FILE, --svg FILE   the raw results and the chart\n"
           "      --pairs            each game twice with the sides swapped on the same throws\n"
           "      --resume FILE      keep the finished games in FILE as the run goes, and\n"
           "                         take up a stopped run of the same options from it\n"
           "      --records FOLDER   write every game's record there as game-N.vrec\n"
           "      --sprt ELO0,ELO1[,ALPHA,BETA]   between two profiles: play until a\n"
           "                         sequential test decides (default error rates 0.05;\n"
           "                         at most " +
           std::to_string(kSprtDefaultGames) +
           " games per pairing and board without --games)\n"
           "      --engine NAME=COMMAND   an outside program speaking the engine protocol plays\n"
           "                         against the profiles (code 10, then 11 ...)\n"
           "      --engine-time MS   an engine's time for a move (default 1000)\n";
}

// The network sub-commands, in builds that have them.
std::string NetUsage() {
#ifdef VAELORIC_HAS_NET
    return "  host --invitations FILE [PLAY OPTIONS] [OPTIONS]\n"
           "      Plays a game as play does, with seats played by guests over secure\n"
           "      WebSockets; writes one invitation per remote seat to FILE.\n"
           "      --remote SEATS     the seats played elsewhere, some of 2 3 4 (default 234)\n"
           "      --listen ADDRESS   the address to listen on (default 127.0.0.1)\n"
           "      --port N           0 to 65535 (default 0: any free port)\n"
           "      --identity DIR     the folder of the host's certificate\n"
           "      --wait SECONDS     1 to 3600: for the guests to join, throw and move (default "
           "60)\n"
           "      --hand-over SECONDS  1 to 3600: a guest away this long leaves its seat to\n"
           "                         its computer opponent (default: its turns wait)\n"
           "      --keep FILE        keeps the game there after every turn\n"
           "  host --resume FILE\n"
           "      Goes on with the game a host kept in FILE; its guests rejoin.\n"
           "  join INVITATION [--wait SECONDS]\n"
           "      Takes the seat of the invitation; its computer player plays it. Prints the\n"
           "      game as play does; takes the seat again after a lost line. --wait: 1 to\n"
           "      3600, for the whole game (default 600). For tests: --cut-line TURN:MOMENT\n"
           "      cuts its own line from that turn on (throw, drop, turn or end), --jitter SEED\n"
           "      holds its frames back at random and sends each request twice.\n";
#else
    return "";
#endif
}

std::string Usage() {
    const std::string maxTurns = std::to_string(kMaxTurns);
    const std::string maxSeed = std::to_string(kSeedModulus - 1);
    return "Usage: vaeloric-sim COMMAND [ARGUMENTS]\n"
           "\n"
           "  legal GAME.vae FACE\n"
           "      Every legal move of the army to move for die face FACE (1 to 6).\n"
           "  choose GAME.vae FACE [--opponent CODE] [--scores]\n"
           "      The computer player's move for the army to move and FACE (1 to 6).\n"
           "      --opponent CODE  the computer profile (2 to 9, 9 the Seer); needed for a\n"
           "                       human army\n"
           "      --seer-nodes N   the Seer's positions per move (default " +
           std::to_string(SeerLevel(kDefaultSeerLevel).nodes) +
           ")\n"
           "      --scores         first every candidate with its score\n"
           "      Exit status 3 when the army has no legal move.\n"
           "  status GAME.vae\n"
           "      Check state, King square and Ptah distance of the four armies.\n"
           "  read GAME.vae SQUARE\n"
           "      The readings of the piece on SQUARE (A1 to H8) as the omen of a move.\n"
           "  play [OPTIONS]\n"
           "      Plays one game with a computer player in every seat, one line a turn.\n"
           "      --board W|A|E|F    the board (default W)\n"
           "      --ptah SQUARE      the Ptah square, A1 to H8 but not a corner (default A2)\n"
           "      --seats LLL        seats 2 to 4, each one of f o r c i a q, or s for the Seer\n"
           "                         (default fqo)\n"
           "      --questioner CODE  the Questioner's computer profile, 2 to 9 (default 5)\n"
           "      --seer-nodes N     the Seer's positions per move, 1 to " +
           std::to_string(kMaxSeerNodes) + " (default " +
           std::to_string(SeerLevel(kDefaultSeerLevel).nodes) + "); levels: novice " +
           std::to_string(SeerLevel(0).nodes) + ", adept " + std::to_string(SeerLevel(1).nodes) +
           ", master " + std::to_string(SeerLevel(2).nodes) +
           "\n"
           "      --seed N           the dice seed, 0 to " +
           maxSeed +
           "; a larger one is taken\n"
           "                         modulo " +
           std::to_string(kSeedModulus) +
           " (default 1)\n"
           "      --turns N          the turn limit, 0 to " +
           maxTurns +
           "; 0 sets the game up and\n"
           "                         plays no turn (default 2000)\n"
           "      --save FILE        writes the final position as a saved game\n"
           "      --analysis FILE    writes the analysis file of the game\n"
           "      --record FILE      writes the game record (.vrec) of the game\n"
           "  replay RECORD.vrec [--save FILE]\n"
           "      Checks every turn of a game record against the rules and prints the final\n"
           "      position; --save writes it as a saved game.\n"
           "  bench [--games N] [--turns T]\n"
           "      Plays N games (1 to " +
           std::to_string(kMaxBenchGames) +
           ", default 20) of at most T turns\n"
           "      (1 to " +
           maxTurns + ", default 400); prints their signature and timing.\n" + TournamentUsage() +
           "  engine [--opponent CODE] [--seer-nodes N]\n"
           "      Answers the engine protocol (docs/engine-protocol.md) on standard input\n"
           "      and output with the Seer, or with the profile CODE (2 to 9).\n" +
           NetUsage() +
           "  help, --help, -h\n"
           "      This text.\n"
           "\n"
           "GAME.vae is a saved game of any board, at most " +
           std::to_string(kMaxSavedGameBytes) + " bytes; RECORD.vrec a game record of at most " +
           std::to_string(kMaxRecordBytes) +
           " bytes.\n"
           "Only regular files are read or replaced; a replaced file is either the old one\n"
           "or the whole new one.\n"
           "Exit status: 0 success, 2 bad usage or a bad file, 3 no legal move (choose),\n"
           "130 (Ctrl+C) or 143 (SIGTERM) when a tournament is stopped early; its results\n"
           "so far are still printed and written.\n";
}

}  // namespace

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    if (argc == 2 && std::string_view(argv[1]) == "--version") {
        out << "vaeloric-sim " VAELORIC_VERSION_TEXT "\n" VAELORIC_LICENSE_TEXT;
        return Flushed(out, err, 0);
    }
    if (argc < 2) {
        err << "Give a sub-command; vaeloric-sim --help lists them.\n";
        return 2;
    }
    const std::string command = argv[1];
    if (command == "help" || command == "--help" || command == "-h") {
        out << Usage();
        return Flushed(out, err, 0);
    }
    const TArguments args(argv + 2, argv + argc);
    if (command == "tournament" && args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << "Usage: vaeloric-sim tournament [OPTIONS]\n\n" << TournamentUsage();
        return Flushed(out, err, 0);
    }
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
        else if (command == "replay")
            status = RunReplay(args, text);
        else if (command == "bench")
            status = RunBench(args, text);
        else if (command == "tournament")
            status = RunTournament(args, text);
        else if (command == "engine")
            status = RunEngine(args, std::cin, out);
#ifdef VAELORIC_HAS_NET
        else if (command == "host")
            status = RunHost(args, text);
        else if (command == "join")
            status = RunJoin(args, text);
        else
            throw TUsageError("Unknown sub-command '" + command +
                              "'; use legal, choose, status, read, play, replay, bench, "
                              "tournament, engine, host, join or help.");
#else
        else
            throw TUsageError("Unknown sub-command '" + command +
                              "'; use legal, choose, status, read, play, replay, bench, "
                              "tournament, engine or help.");
#endif
    } catch (const TUsageError& error) {
        err << error.what() << "\n";
        return 2;
    } catch (const std::exception& error) {
        err << "Internal error: " << error.what() << "\n";
        return 1;
    }
    out << text;
    return Flushed(out, err, status);
}

int RunOnStandardStreams(int argc, const char* const* argv) {
    const int status = Run(argc, argv, std::cout, std::cerr);
    if (status == 2 && !std::cout) return status;  // already said
    // A close that fails may lose what was written. A standard output that
    // was never open fails at the flush above when anything was written to it.
    errno = 0;
    if (std::fclose(stdout) != 0 && errno != EBADF) {
        std::cerr << kOutputFailedSentence << "\n";
        return 2;
    }
    return status;
}

}  // namespace vaeloric::sim
