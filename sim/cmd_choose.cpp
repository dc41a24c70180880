// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>

#include "game/legal_moves.h"
#include "players/computer_move.h"
#include "players/opponent_profiles.h"
#include "players/seer.h"
#include "sim/commands.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

constexpr int kNoLegalMoveStatus = 3;

namespace {

// The Seer's move; with --scores first its expected score for the side, the
// depth it reached and the positions it visited.
int ChooseSeer(TSavedGame& game, TDieFace face, long nodes, bool withScores, std::string& out) {
    const TSeerGame state = SeerGameOf(game);
    TSeerLimits limits;
    limits.nodes = nodes;
    TSeerSearch search;
    const TSeerAnswer answer =
        search.Search(game.board, game.board.armyToMove, face, state, limits);
    const std::string best = MoveText(answer.from.Square(), answer.to.Square());
    if (withScores) {
        char line[120];
        std::snprintf(line, sizeof line, "expected %.3f depth %d positions %ld\n", answer.value,
                      answer.depth, answer.nodes);
        out += line;
        out += "best " + best + "\n";
    } else {
        out += best + "\n";
    }
    return 0;
}

}  // namespace

int RunChoose(const TArguments& args, std::string& out) {
    constexpr const char* kUsage =
        "Usage: vaeloric-sim choose GAME.vae FACE [--opponent CODE] [--scores] [--seer-nodes N].";
    std::vector<std::string> positional;
    std::int32_t opponent = 0;
    bool withScores = false;
    long seerNodes = SeerLevel(kDefaultSeerLevel).nodes;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--scores") {
            withScores = true;
        } else if (args[i] == "--opponent") {
            if (i + 1 >= args.size())
                throw TUsageError("--opponent needs a computer player code from 2 to 9.");
            opponent = ParseComputerCode(args[++i], "--opponent");
        } else if (args[i] == "--seer-nodes") {
            if (i + 1 >= args.size())
                throw TUsageError("--seer-nodes needs a number of positions.");
            seerNodes = ParseSeerNodes(args[++i]);
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
    const std::int32_t code = board.GetPlayerCode(army);
    if (!IsAnyComputerCode(code)) {
        throw TUsageError(std::string("The army to move (") + ColourName(army) +
                          ") is played by a human; give --opponent CODE (2 to 9).");
    }
    TLegalMoveList list;
    ListLegalMoves(board, army, face, list);
    if (list.Empty()) return kNoLegalMoveStatus;
    if (code == kSeerCode) return ChooseSeer(game, face, seerNodes, withScores, out);

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
