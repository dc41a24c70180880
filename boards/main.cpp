// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "vaeloric_version.h"
#include "window/program_entry.h"
#if VAELORIC_BOARD_NET
#include <QMessageBox>
#include <QTimer>

#include "boards/network_guest.h"
#include "boards/network_host.h"
#include "flow/game_session.h"
#include "window/koravin_window.h"
#endif

namespace {

constexpr const char* kHelp =
    "Usage: %s [ARGUMENT]\n"
    "Four-handed divination chess on the %s board.\n"
    "\n"
    "With no argument the program asks for the question, the names and the\n"
    "players itself. The one ARGUMENT is either '*', which reloads a saved\n"
    "game, or the launcher's set-up record:\n"
    "  <rank><file><any character><question>^@<name>^@<seat 2>[<name>^@]<seat 3>[<name>^@]<seat "
    "4>[<name>^@]\n"
    "Seats: h human (a name follows), or a computer opponent f o r c i a q.\n"
    "\n"
    "The answer is written to $VAELORIC_ANALYSIS_FILE, else to\n"
    "$XDG_STATE_HOME/vaeloric/vaelfin.tmp.\n"
    "\n"
    "  --help     show this text and exit\n"
    "  --version  show the version and exit\n"
    "See vaeloric(6) and marisel(6).\n";

}  // namespace

int main(int argc, char** argv) {
    // Only the whole single argument counts, so that any other argument still
    // reaches the game as the launcher wrote it.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s " VAELORIC_VERSION_TEXT "\n" VAELORIC_LICENSE_TEXT, VAELORIC_PROGRAM_NAME);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::printf(kHelp, VAELORIC_PROGRAM_NAME, VAELORIC_BOARD_ELEMENT);
        return 0;
    }
#if VAELORIC_BOARD_NET
    // A guest's board: the launcher names the invitation and passes "*", and
    // the game loaded is the host's.
    if (const char* link = std::getenv("VAELORIC_GUEST_INVITATION"); link != nullptr && *link) {
        vaeloric::net::TInvitation invitation;
        std::string problem;
        if (!vaeloric::net::ParseInvitation(link, invitation, problem)) {
            std::fprintf(stderr, "%s\n", problem.c_str());
            return 2;
        }
        static std::unique_ptr<vaeloric::TNetworkGuest> guest;
        const int result = vaeloric::RunBoardProgram(
            argc, argv, VAELORIC_BOARD_LETTER,
            [&](vaeloric::TKoravinWindow& window, vaeloric::TGameSession& game) {
                guest = vaeloric::TNetworkGuest::Join(window, game, invitation, problem);
                if (!guest) {
                    std::fprintf(stderr, "%s\n", problem.c_str());
                    std::exit(2);
                }
            });
        guest.reset();
        return result;
    }
    // The launcher that hosts a game names the seats played elsewhere.
    if (const char* hosted = std::getenv(vaeloric::kHostedSeatsVariable);
        hosted != nullptr && *hosted != '\0') {
        vaeloric::THostedSeats seats;
        if (!vaeloric::ParseHostedSeats(hosted, seats)) {
            std::fprintf(stderr, "The seats to host over the network cannot be read.\n");
            return 2;
        }
        static std::unique_ptr<vaeloric::TNetworkHost> host;
        int status = 0;
        const int result = vaeloric::RunBoardProgram(
            argc, argv, VAELORIC_BOARD_LETTER,
            [&](vaeloric::TKoravinWindow& window, vaeloric::TGameSession& game) {
                std::string problem;
                host = vaeloric::TNetworkHost::Start(window, game, seats, problem);
                if (!host) {
                    std::fprintf(stderr, "%s\n", problem.c_str());
                    status = 2;
                }
            });
        host.reset();
        return status != 0 ? status : result;
    }
    // A hosted game whose board program died goes on hosting when it is
    // continued: what it kept beside its running game says so.
    static std::unique_ptr<vaeloric::TNetworkHost> continued;
    const int result = vaeloric::RunBoardProgram(
        argc, argv, VAELORIC_BOARD_LETTER,
        [&](vaeloric::TKoravinWindow& window, vaeloric::TGameSession& game) {
            if (game.reloadPath.empty() || game.reloadPath != game.interruptedPath) return;
            vaeloric::net::THostState kept;
            std::string problem;
            if (!vaeloric::net::ReadBoardHostState(game.reloadPath, kept, problem)) {
                // A damaged file: the game itself is whole, but it can no
                // longer be hosted, and the player should know why, in a
                // box over the window once it shows.
                if (!problem.empty())
                    QTimer::singleShot(0, &window, [&window] {
                        QMessageBox::warning(
                            &window, "Vaeloric Chess",
                            "This game was hosted over the network, but what its host kept of "
                            "it cannot be read.\n\nThe game goes on at this screen only: its "
                            "guests cannot join it again.");
                    });
                return;
            }
            continued = vaeloric::TNetworkHost::Continue(window, game, kept, problem);
            if (!continued) {
                std::fprintf(stderr, "%s\n", problem.c_str());
                std::exit(2);
            }
        });
    continued.reset();
    return result;
#else
    return vaeloric::RunBoardProgram(argc, argv, VAELORIC_BOARD_LETTER);
#endif
}
