// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>

#include "sim/commands.h"
#include "sim/game_runner.h"

namespace vaeloric::sim {

// The options of play, shared by the sub-commands that play a game.
struct TPlayFiles {
    std::string savePath;
    std::string analysisPath;
    std::string recordPath;
};

// Reads the play option at i (and its value); false when it is not one.
bool ParsePlayOption(const TArguments& args, std::size_t& i, TPlayFiles& files,
                     TGameOptions& options);
// Refuses targets that cannot be written, before the game is played.
void CheckPlayFiles(const TPlayFiles& files);
// Writes the saved game, the record and the analysis file that were asked
// for; the record only when one was kept.
void WritePlayFiles(const TPlayFiles& files, const TGameOptions& options, const TGame& game,
                    const TGameRecord* record = nullptr);

}  // namespace vaeloric::sim
