// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A game in progress to save and load, and helpers shared by the saved-game
// tests.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "flow/saved_game.h"
#include "flow/seats.h"

namespace vaeloric::testing_support {

struct TGame {
    TBoard board;
    TSetUpRecord setUp;
    TTurnState turn;
    TReadingRecord reading;
};

// Ptah G2 on the given board: Questioner army 1; seats 2..4 are a human,
// Osric Vane and H. Tarrant Bell. A few moves' worth of changes on the
// board, flags set and activations of every form the writer can print.
inline TGame MidGame(char boardLetter) {
    TGame game;
    game.setUp.ptah = TSquare{2, 7};
    game.setUp.boardLetter = boardLetter;
    game.setUp.questionerName = "Anna Grey";
    game.setUp.caption = "VAELORIC CHESS - Will the harvest be good?";
    game.setUp.seatCode = {0, 0, Human, 3, 7};
    game.setUp.seatName[2] = "Mary";
    game.board.SetUp(game.setUp.ptah, boardLetter);
    AssignSeats(game.setUp, game.board);

    // Red pawn G2-G3 with its advance bonus, a black Queen moved out, a
    // yellow King split from its companion, a blue Rook captured.
    TBoard& b = game.board;
    TPiece pawn = b.GetPiece(2, 7);
    pawn.value += 2;
    b.PutPiece(3, 7, pawn);
    b.PutPiece(2, 7, TPiece{});
    b.PutPiece(5, 3, b.GetPiece(4, 1));
    b.PutPiece(4, 1, TPiece{});
    TPiece king = b.GetPiece(8, 1);
    king.kind = King;
    king.value = 50;
    b.PutPiece(6, 2, king);
    TPiece companion = king;
    companion.kind = b.CompanionKind();
    companion.value = 80;
    b.PutPiece(8, 1, companion);
    b.PutPiece(7, 8, TPiece{});
    b.armyToMove = 3;

    game.turn.checkmated[2] = 1;
    game.turn.ptahReached = true;

    for (int i = 0; i < kUnitCount; ++i)
        game.reading.gameActivation[i] = -0.2f + 1.2f * static_cast<float>((i * 37) % 94) / 93.0f;
    game.reading.gameActivation[0] = 0.5f;
    game.reading.gameActivation[1] = -0.125f;
    game.reading.gameActivation[2] = 1e-07f;
    game.reading.gameActivation[3] = -0.2f;
    game.reading.gameActivation[4] = 1.0f;
    game.reading.gameActivation[5] = 0.0f;
    game.reading.gameActivation[6] = -3.5e-05f;
    game.reading.gameActivation[7] = 0.123456789f;
    return game;
}

inline std::string Format(const TGame& game, char boardLetter) {
    return FormatSavedGame(boardLetter, game.board, game.setUp, game.turn, game.reading);
}

// A fresh folder of its own under the temporary folder, so that test runs
// side by side never share files.
inline std::filesystem::path FreshTempFolder(const std::string& name) {
    std::random_device random;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / (name + "-" + std::to_string(random()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The lines of a file written with CR LF, without their ends.
inline std::vector<std::string> SplitLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines, const char* end = "\r\n") {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + end;
    return bytes;
}

}  // namespace vaeloric::testing_support
