// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/program_entry.h"

#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <iostream>

#include "flow/command_line.h"
#include "flow/game_session.h"
#include "window/koravin_app.h"
#include "window/running_game_lock.h"
#include "window/termination_request.h"

namespace vaeloric {

namespace {

void ShowException(const std::string& text) {
    QMessageBox::critical(nullptr, "EXCEPTION", QString::fromStdString(text));
}

// On X11 and Wayland desktops the window needs a display; without one Qt
// would abort with a long message, so say it plainly instead.
bool DisplayMissing() {
#if defined(__linux__) || defined(__unix__)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return !set("QT_QPA_PLATFORM") && !set("DISPLAY") && !set("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

}  // namespace

int RunBoardProgram(int argc, char** argv, char boardLetter, const TMainWindowHook& hook) {
    // The game lives for the whole process.
    static TGameSession game;
    game.boardLetter = boardLetter;
    game.mode = DecideStartMode(argc - 1, argv + 1);
    switch (game.mode) {
        case TStartMode::Demonstration:
            game.setup.boardLetter = boardLetter;
            break;
        case TStartMode::Reload:
            game.reloadPath = ReloadPath(argv[1]);
            break;
        case TStartMode::Launcher:
            ParseLauncherArgument(argv[1], boardLetter, game.setup);
            // Refused before any window opens, so a launcher without a display
            // still learns why.
            if (const std::string problem = CheckLauncherRecord(game.setup); !problem.empty()) {
                std::cerr << problem << "\n";
                return 2;
            }
            break;
    }

    if (DisplayMissing()) {
        std::cerr << "There is no display to open the game window on; watch a computer game "
                     "instead with: vaeloric-sim play --board "
                  << boardLetter << "\n";
        return 1;
    }

    TKoravinApp app(argc, argv, game);
    app.SetMainWindowHook(hook);
    InstallTerminationRequest(&app);
    // Kept on disk after every turn, offered again if this program dies.
    const TRunningGameLocks runningGame(game);
    try {
        return app.Run();
    } catch (const std::exception& error) {
        ShowException(error.what());
        return -1;
    }
}

}  // namespace vaeloric
