// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>
#include <istream>
#include <ostream>
#include <sstream>

#include "flow/saved_game.h"
#include "game/legal_moves.h"
#include "players/computer_move.h"
#include "players/opponent_profiles.h"
#include "players/seer.h"
#include "sim/commands.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

namespace {

constexpr const char* kProtocolVersion = "1";
constexpr long kMaxMoveMilliseconds = 600000;

// Words of a line; a line holds a few of them only.
std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

bool Number(const std::string& text, long most, long& value) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    value = std::stol(text);
    return value >= 1 && value <= most;
}

class TEngine {
  public:
    TEngine(std::int32_t code, long nodes) : code_(code), nodes_(nodes) {}

    // One command; false once the host said quit.
    bool Command(const std::string& line, std::istream& in, std::ostream& out) {
        const std::vector<std::string> words = Words(line);
        if (words.empty()) return true;
        const std::string& name = words[0];
        if (name == "quit") return false;
        if (name == "protocol") {
            if (words.size() != 2 || words[1] != kProtocolVersion) {
                out << "error this engine speaks protocol " << kProtocolVersion << "\n";
            } else {
                out << "id name " << OpponentName(code_) << "\n"
                    << "id author Vaeloric Chess\n"
                    << "ready\n";
            }
        } else if (name == "isready") {
            out << "ready\n";
        } else if (name == "position") {
            ReadPosition(in, out);
        } else if (name == "go") {
            Go(words, out);
        } else {
            out << "error unknown command '" << name << "'\n";
        }
        return true;
    }

  private:
    // The saved game's lines up to "end"; an error leaves no position.
    void ReadPosition(std::istream& in, std::ostream& out) {
        std::string bytes, line;
        bool ended = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line == "end") {
                ended = true;
                break;
            }
            bytes += line + "\n";
            if (bytes.size() > kMaxSavedGameBytes) break;
        }
        loaded_ = false;
        if (!ended) {
            out << "error the position has no end line, or is longer than " << kMaxSavedGameBytes
                << " bytes\n";
            return;
        }
        const TLoadResult result = ParseSavedGame(bytes, kAnyBoard, game_);
        if (!result.Loaded()) {
            std::string reason = result.message;
            for (char& c : reason)
                if (c == '\n') c = ' ';
            out << "error the position is not a saved game: " << reason << "\n";
            return;
        }
        loaded_ = true;
    }

    // go face F [nodes N] [movetime MS]
    void Go(const std::vector<std::string>& words, std::ostream& out) {
        long face = 0, nodes = nodes_, milliseconds = 0;
        bool valid = words.size() % 2 == 1;
        for (std::size_t i = 1; valid && i + 1 < words.size(); i += 2) {
            if (words[i] == "face")
                valid = Number(words[i + 1], 6, face);
            else if (words[i] == "nodes")
                valid = Number(words[i + 1], kMaxSeerNodes, nodes);
            else if (words[i] == "movetime")
                valid = Number(words[i + 1], kMaxMoveMilliseconds, milliseconds);
            else
                valid = false;
        }
        if (!valid || face == 0) {
            out << "error go needs face 1 to 6, and may have nodes N and movetime MS\n";
            return;
        }
        if (!loaded_) {
            out << "error no position\n";
            return;
        }
        TSavedGame game = game_;  // choosing tries moves on the board
        TBoard& board = game.board;
        const std::int32_t army = board.armyToMove;
        const TDieFace thrown = static_cast<TDieFace>(face);
        TLegalMoveList list;
        ListLegalMoves(board, army, thrown, list);
        if (list.Empty()) {
            out << "bestmove none\n";
            return;
        }
        board.SetPlayerCode(army, code_);
        if (code_ == kSeerCode) {
            const TSeerGame state = SeerGameOf(game);
            TSeerLimits limits;
            limits.nodes = nodes;
            limits.milliseconds = milliseconds;
            TSeerSearch search;
            const TSeerAnswer answer = search.Search(board, army, thrown, state, limits);
            char info[120];
            std::snprintf(info, sizeof info, "info depth %d nodes %ld score %.3f\n", answer.depth,
                          answer.nodes, answer.value);
            out << info << "bestmove " << MoveText(answer.from.Square(), answer.to.Square())
                << "\n";
            return;
        }
        SquareRecord destination, origin;
        ChooseComputerMove(board, thrown, army, destination, origin);
        out << "bestmove " << MoveText(origin.Square(), destination.Square()) << "\n";
    }

    std::int32_t code_;
    long nodes_;
    TSavedGame game_;
    bool loaded_ = false;
};

}  // namespace

int RunEngine(const TArguments& args, std::istream& in, std::ostream& out) {
    std::int32_t code = kSeerCode;
    long nodes = SeerLevel(kDefaultSeerLevel).nodes;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--opponent")
            code = ParseComputerCode(OptionValue(args, i), "--opponent");
        else if (args[i] == "--seer-nodes")
            nodes = ParseSeerNodes(OptionValue(args, i));
        else
            throw TUsageError("Unknown option '" + args[i] + "' for engine.");
    }
    TEngine engine(code, nodes);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const bool more = engine.Command(line, in, out);
        out.flush();
        if (!more || !out) break;
    }
    return 0;
}

}  // namespace vaeloric::sim
