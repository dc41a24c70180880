// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/legal_moves.h"
#include "players/computer_move.h"
#include "players/opponent_profiles.h"
#include "sim/commands.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

constexpr int kNoLegalMoveStatus = 3;

int RunChoose(const TArguments& args, std::string& out) {
    constexpr const char* kUsage =
        "Usage: vaeloric-sim choose GAME.vae FACE [--opponent CODE] [--scores].";
    std::vector<std::string> positional;
    std::int32_t opponent = 0;
    bool withScores = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--scores") {
            withScores = true;
        } else if (args[i] == "--opponent") {
            if (i + 1 >= args.size())
                throw TUsageError("--opponent needs a computer player code from 2 to 8.");
            opponent = ParseComputerCode(args[++i], "--opponent");
        } else if (args[i].starts_with("--")) {
            throw TUsageError("Unknown option '" + args[i] + "' for choose.");
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2) throw TUsageError(kUsage);
    const TDieFace face = ParseFace(positional[1]);
    TSavedGame game;
    LoadGameFile(positional[0], game);
    TBoard& board = game.board;
    const std::int32_t army = board.armyToMove;
    if (opponent != 0) board.SetPlayerCode(army, opponent);
    if (!IsComputerCode(board.GetPlayerCode(army))) {
        throw TUsageError(std::string("The army to move (") + ColourName(army) +
                          ") is played by a human; give --opponent CODE (2 to 8).");
    }
    TLegalMoveList list;
    ListLegalMoves(board, army, face, list);
    if (list.Empty()) return kNoLegalMoveStatus;

    static TScoredMove scores[kMaxLegalMoves];
    int count = 0;
    SquareRecord destination, origin;
    ChooseComputerMoveWithScores(board, face, army, destination, origin, scores, kMaxLegalMoves,
                                 count);
    const std::string best = MoveText(origin.Square(), destination.Square());
    if (withScores) {
        for (int i = 0; i < count; ++i) {
            out += MoveText(scores[i].from.Square(), scores[i].to.Square()) + " " +
                   std::to_string(scores[i].score) + "\n";
        }
        out += "best " + best + "\n";
    } else {
        out += best + "\n";
    }
    return 0;
}

}  // namespace vaeloric::sim
