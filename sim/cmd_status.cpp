// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/check.h"
#include "sim/commands.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

int RunStatus(const TArguments& args, std::string& out) {
    if (args.size() != 1) throw TUsageError("Usage: vaeloric-sim status GAME.vae.");
    TSavedGame game;
    LoadGameFile(args[0], game);
    TBoard& board = game.board;
    for (std::int32_t army = 1; army <= 4; ++army) {
        out += std::string(ColourName(army)) + " ";
        TSquare king{0, 0};
        if (!FindKing(board, army, king)) {
            out += "check=0 king=- ptah-distance=-\n";
            continue;
        }
        out += "check=" + std::to_string(CheckStatus(board, king, army)) +
               " king=" + SquareName(king) +
               " ptah-distance=" + std::to_string(KingDistanceToPtah(board, army)) + "\n";
    }
    return 0;
}

}  // namespace vaeloric::sim
