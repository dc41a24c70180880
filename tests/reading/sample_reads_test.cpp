// SPDX-License-Identifier: GPL-3.0-or-later

// The reads of the sample games: the whole-game pass from the saved
// activations, then the move reading of the last move's destination.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/board.h"
#include "reading/correspondences.h"
#include "reading/move_reading.h"

namespace vaeloric {
namespace {

// The moves of the sample games are ours; the games and readings are the
// shared sample expectations.
std::string DataPath(const std::string& name) {
    return std::string(VAELORIC_SOURCE_DIR) + "/tests/reading/data/" + name;
}

std::string SamplePath(const std::string& name) {
    return std::string(VAELORIC_SAMPLES_DIR) + "/" + name;
}

// The sample folder of a game by its short name ("board-A-E5").
std::string SampleFolder(const std::string& shortName) {
    if (shortName == "board-A-E5") return "board-A-E5-seed101-limit61";
    if (shortName == "board-E-F2") return "board-E-F2-seed303-limit250";
    return "board-F-C3-seed202-limit140";
}

std::vector<std::string> ReadLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in) << path;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

struct TSampleGame {
    char boardLetter = 'A';
    int questionerArmy = 0;
    TReadingRecord record;
    TPiece board[9][9];  // [rank][file]
};

TSampleGame LoadSample(const std::string& name) {
    const std::vector<std::string> lines = ReadLines(SamplePath(name));
    TSampleGame game;
    game.boardLetter = lines.at(2).at(2);
    game.questionerArmy = QuadrantArmy(TSquare{lines[2].at(0) - '0', lines[2].at(1) - '0'});
    std::size_t at = 0;
    while (lines.at(at) != "[ANALYSIS]") ++at;
    for (int unit = 0; unit < kUnitCount; ++unit)
        game.record.gameActivation[unit] = std::stof(lines.at(++at));
    while (lines.at(at) != "[BOARDSTATE]") ++at;
    const std::string armies = "RBYG", kinds = "XTMPSHERB2";
    for (int rank = 8; rank >= 1; --rank)
        for (int file = 1; file <= 8; ++file) {
            const std::string& cell = lines.at(++at);
            const std::size_t bar = cell.find('|');
            if (cell[bar + 1] == ' ') continue;
            game.board[rank][file].army = static_cast<int>(armies.find(cell[bar + 1])) + 1;
            game.board[rank][file].kind = static_cast<int>(kinds.find(cell[bar + 2])) + 1;
        }
    return game;
}

// Turns an abbreviated text (unit texts cut to their first words and a line
// feed) back into the full text: trailing lines naming units are replaced by
// those units' texts.
std::string Expand(const std::string& abbreviated) {
    std::vector<std::string> lines;
    std::stringstream stream(abbreviated);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    auto unitNamed = [](const std::string& line) {
        for (int unit = 0; unit < kUnitCount; ++unit) {
            const std::string_view text = UnitText(unit);
            if (!line.empty() && text.starts_with(line) &&
                (text[line.size()] == ' ' || text[line.size()] == '\n'))
                return unit;
        }
        return -1;
    };
    std::size_t firstUnit = lines.size();
    while (firstUnit > 0 && unitNamed(lines[firstUnit - 1]) >= 0) --firstUnit;
    std::string text;
    for (std::size_t i = 0; i < firstUnit; ++i) text += lines[i] + "\n";
    for (std::size_t i = firstUnit; i < lines.size(); ++i) text += UnitText(unitNamed(lines[i]));
    return text;
}

struct TExpectedRead {
    std::string moveText, gameText;
    std::vector<float> activations;
};

TExpectedRead LoadExpected(const std::string& name) {
    const std::vector<std::string> lines = ReadLines(SamplePath(name));
    TExpectedRead expected;
    std::string* section = nullptr;
    std::string move, game;
    for (const std::string& line : lines) {
        if (line == "[move]")
            section = &move;
        else if (line == "[game]")
            section = &game;
        else if (line == "[activations]")
            section = nullptr;
        else if (section)
            *section += line + "\n";
        else
            expected.activations.push_back(std::stof(line));
    }
    expected.moveText = Expand(move);
    expected.gameText = Expand(game);
    return expected;
}

struct TSampleCase {
    const char* game;
    const char* read;
    int rank, file;
};

class SampleRead : public ::testing::TestWithParam<TSampleCase> {};

TEST_P(SampleRead, MatchesTheIndependentReading) {
    const TSampleCase& c = GetParam();
    TSampleGame game = LoadSample(c.game);
    const TExpectedRead expected = LoadExpected(c.read);
    const TPiece piece = game.board[c.rank][c.file];
    ASSERT_NE(piece.kind, Empty);
    const int elementCode = ElementCodeOfLetter(game.boardLetter);
    const bool questioner = piece.army == game.questionerArmy;

    ReadMove(game.record, elementCode, c.rank, c.file, piece, questioner, false);
    ReadMove(game.record, elementCode, c.rank, c.file, piece, questioner, true);

    EXPECT_EQ(game.record.moveText, expected.moveText);
    EXPECT_EQ(game.record.gameText, expected.gameText);
    ASSERT_EQ(expected.activations.size(), static_cast<std::size_t>(kUnitCount));
    for (int unit = 0; unit < kUnitCount; ++unit)
        EXPECT_NEAR(game.record.gameActivation[unit], expected.activations[unit], 1e-5)
            << "unit " << unit;
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleRead,
    ::testing::Values(TSampleCase{"board-A-E5-seed101-limit61/game.vae",
                                  "board-A-E5-seed101-limit61/read-C8.abbrev.txt", 8, 3},
                      TSampleCase{"board-E-F2-seed303-limit250/game.vae",
                                  "board-E-F2-seed303-limit250/read-F4.abbrev.txt", 4, 6},
                      TSampleCase{"board-F-C3-seed202-limit140/game.vae",
                                  "board-F-C3-seed202-limit140/read-F6.abbrev.txt", 6, 6}));

// Every move of the sample games, fed through the whole-game pass from a new
// game, ends in the activations that the saved game holds.
class SampleGame : public ::testing::TestWithParam<const char*> {};

TEST_P(SampleGame, WholeGamePassesEndInTheSavedActivations) {
    const std::string name = GetParam();
    const TSampleGame saved = LoadSample(SampleFolder(name) + "/game.vae");
    const int elementCode = ElementCodeOfLetter(saved.boardLetter);
    TReadingRecord record;
    int moves = 0;
    for (const std::string& line : ReadLines(DataPath(name + ".moves"))) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        int rank = 0, file = 0, questioner = 0;
        TPiece piece;
        fields >> rank >> file >> piece.kind >> piece.army >> questioner;
        ASSERT_TRUE(fields) << line;
        ReadMove(record, elementCode, rank, file, piece, questioner != 0, false);
        ++moves;
    }
    EXPECT_GT(moves, 30);
    for (int unit = 0; unit < kUnitCount; ++unit)
        EXPECT_NEAR(record.gameActivation[unit], saved.record.gameActivation[unit], 1e-5)
            << "unit " << unit;
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleGame,
                         ::testing::Values("board-A-E5", "board-E-F2", "board-F-C3"));

}  // namespace
}  // namespace vaeloric
