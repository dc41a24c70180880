#include <sstream>

#include "reading/move_reading.h"
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
    const TBoard& board = game.board;
    const TPiece piece = board.GetPiece(square.rank, square.file);
    if (piece.kind == Empty) throw TUsageError("The square " + SquareName(square) + " is empty: there is no omen to read.");

    TReadingRecord reading;
    reading.gameActivation = game.gameActivation;
    const bool questioner = piece.army == board.questionerArmy;
    // As after a move: the whole-game pass, then the move reading.
    ReadMove(reading, board.elementCode, square.rank, square.file, piece, questioner, false);
    ReadMove(reading, board.elementCode, square.rank, square.file, piece, questioner, true);
    out += "[move]\n";
    AppendText(out, reading.moveText);
    out += "[game]\n";
    AppendText(out, reading.gameText);
    out += "[activations]\n";
    out += ActivationLines(reading.gameActivation);
    return 0;
}

}  // namespace vaeloric::sim
