// SPDX-License-Identifier: GPL-3.0-or-later

#include <sstream>

#include "reading/show_readings.h"
#include "sim/commands.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

namespace {

void AppendText(std::string& out, const std::string& text) {
    out += text;
    if (text.empty() || text.back() != '\n') out += "\n";
}

}  // namespace

// The activations as the saved game prints them: one per line, the stream's
// default format.
std::string ActivationLines(const std::array<float, kUnitCount>& activations) {
    std::ostringstream lines;
    for (float activation : activations) lines << activation << "\n";
    return lines.str();
}

int RunRead(const TArguments& args, std::string& out) {
    if (args.size() != 2) throw TUsageError("Usage: vaeloric-sim read GAME.vae SQUARE.");
    const TSquare square = ParseSquareArgument(args[1]);
    TSavedGame game;
    LoadGameFile(args[0], game);
    TReadingRecord reading;
    reading.gameActivation = game.gameActivation;
    // As after a move: the whole-game pass, then the move reading.
    if (!ReadSquareAsLastMove(reading, game.board, square.rank, square.file)) {
        throw TUsageError("The square " + SquareName(square) +
                          " is empty: there is no omen to read.");
    }
    out += "[move]\n";
    AppendText(out, reading.moveText);
    out += "[game]\n";
    AppendText(out, reading.gameText);
    out += "[activations]\n";
    out += ActivationLines(reading.gameActivation);
    return 0;
}

}  // namespace vaeloric::sim
