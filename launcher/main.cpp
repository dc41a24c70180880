// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>
#include <cstring>

#include "launcher/launcher_app.h"
#include "vaeloric_version.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("vaeloric " VAELORIC_VERSION_TEXT "\n" VAELORIC_LICENSE_TEXT);
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::printf(
            "Usage: vaeloric [SAVED-GAME | RECORD | INVITATION-LINK]\n"
            "Asks a question, starts the board program of its element and shows the answer.\n"
            "With SAVED-GAME (a .vae file) continues that game in the program of its board;\n"
            "with RECORD (a .vrec game record) replays that game turn by turn;\n"
            "with INVITATION-LINK (vaeloric://...) joins a game hosted elsewhere.\n"
            "The journal of readings is kept in $XDG_DATA_HOME/vaeloric/.\n"
            "\n"
            "  --help     show this text and exit\n"
            "  --version  show the version and exit\n"
            "See vaeloric(6).\n");
        return 0;
    }
    return vaeloric::RunLauncher(argc, argv);
}
