// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/legal_moves.h"
#include "sim/commands.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

int RunLegal(const TArguments& args, std::string& out) {
    if (args.size() != 2) throw TUsageError("Usage: vaeloric-sim legal GAME.vae FACE.");
    const TDieFace face = ParseFace(args[1]);
    TSavedGame game;
    LoadGameFile(args[0], game);
    TLegalMoveList list;
    ListLegalMoves(game.board, game.board.armyToMove, face, list);
    for (const TLegalMove& move : list)
        out += MoveText(move.from.Square(), move.to.Square()) + "\n";
    return 0;
}

}  // namespace vaeloric::sim
