// SPDX-License-Identifier: GPL-3.0-or-later

// The legal-move lists and check statuses of the independently computed
// sample positions.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/check.h"
#include "game/dice_rule.h"
#include "game/moves.h"
#include "game/piece_moves.h"
#include "position.h"

namespace vaeloric {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> Lines(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::int32_t ArmyOfWord(const std::string& word) {
    const char* words[4] = {"red", "black", "yellow", "blue"};
    for (int i = 0; i < 4; ++i)
        if (word == words[i]) return i + 1;
    return 0;
}

// Just the board of a saved game: status, army to move, the 64 squares.
bool LoadBoard(const fs::path& path, TBoard& board) {
    const std::vector<std::string> lines = Lines(path);
    if (lines.size() < 3 || lines[2].size() != 3) return false;
    board.SetUp(TSquare{lines[2][0] - '0', lines[2][1] - '0'}, lines[2][2]);
    const std::string armies = "RBYG";
    const std::string kinds = " XTMPSHERB2";
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i] == "[NEXTPLAYER]") board.armyToMove = ArmyOfWord(lines[i + 1]);
        if (lines[i] != "[BOARDSTATE]") continue;
        if (i + 64 >= lines.size()) return false;
        for (int n = 0; n < 64; ++n) {
            const std::string& cell = lines[i + 1 + n];
            const std::size_t bar = cell.find('|');
            if (bar == std::string::npos || bar + 3 > cell.size()) return false;
            const int rank = 8 - n / 8;
            const int file = n % 8 + 1;
            if (cell.compare(bar, 3, "|  ") == 0) {
                board.PutPiece(rank, file, TPiece{});
                continue;
            }
            const std::int32_t army = static_cast<std::int32_t>(armies.find(cell[bar + 1])) + 1;
            const std::int32_t kind = static_cast<std::int32_t>(kinds.find(cell[bar + 2]));
            board.PutPiece(rank, file,
                           TPiece{kind, army, AllyOf(army), 1, std::stoi(cell.substr(0, bar))});
        }
        return true;
    }
    return false;
}

// Every legal move in the computer players' list order.
std::vector<std::string> Legal(TBoard& board, TDieFace face) {
    std::vector<std::string> moves;
    const std::int32_t army = board.armyToMove;
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            if (board.At(rank, file).army != army) continue;
            const std::int32_t kind = MoveKindForFace(board, face, board.At(rank, file).kind);
            if (kind == Empty) continue;
            const TSquare from{rank, file};
            TPieceMoveList list;
            PieceMoves(board, SquareRecord::At(from), kind, list);
            for (const SquareRecord& to : list)
                if (IsLegalMove(board, army, face, from, to.Square()))
                    moves.push_back(SquareName(from) + "-" + SquareName(to.Square()));
        }
    return moves;
}

TEST(SamplePositions, LegalMovesAndCheckStatus) {
    const fs::path samples = VAELORIC_SAMPLES_DIR;
    if (!fs::exists(samples)) GTEST_SKIP() << "no samples at " << samples;
    int compared = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(samples)) {
        if (!fs::exists(entry.path() / "game.vae")) continue;
        SCOPED_TRACE(entry.path().filename().string());
        TBoard board;
        ASSERT_TRUE(LoadBoard(entry.path() / "game.vae", board));
        for (TDieFace face = 1; face <= 6; ++face) {
            const fs::path expected = entry.path() / ("legal-" + std::to_string(face) + ".out");
            if (!fs::exists(expected)) continue;
            EXPECT_EQ(Legal(board, face), Lines(expected)) << "face " << face;
            ++compared;
        }
        const std::vector<std::string> status = Lines(entry.path() / "status.out");
        ASSERT_EQ(status.size(), 4u);
        const char* colours[4] = {"red", "black", "yellow", "blue"};
        for (std::int32_t army = 1; army <= 4; ++army) {
            TSquare king;
            std::ostringstream line;
            line << colours[army - 1];
            if (FindKing(board, army, king))
                line << " check=" << CheckStatus(board, king, army) << " king=" << SquareName(king)
                     << " ptah-distance=" << KingDistanceToPtah(board, army);
            else
                line << " check=0 king=- ptah-distance=-";
            EXPECT_EQ(line.str(), status[army - 1]);
        }
    }
    EXPECT_GT(compared, 0);
}

// Where the board marks a picked-up piece may go equals the rules' legal
// moves of that piece, for every piece and face of the sample positions and
// of the four boards' starting positions.
TEST(SamplePositions, PieceDestinationsAreTheRulesLegalMoves) {
    std::vector<TBoard> boards;
    const fs::path samples = VAELORIC_SAMPLES_DIR;
    if (fs::exists(samples))
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(samples)) {
            if (entry.path().filename() != "game.vae") continue;
            TBoard board;
            ASSERT_TRUE(LoadBoard(entry.path(), board)) << entry.path();
            boards.push_back(board);
        }
    for (const char letter : {'W', 'A', 'E', 'F'}) {
        TBoard board;
        board.SetUp(TSquare{3, 4}, letter);
        boards.push_back(board);
    }
    int pieces = 0, marks = 0;
    for (TBoard& board : boards) {
        for (std::int32_t army = 1; army <= 4; ++army)
            for (TDieFace face = 1; face <= 6; ++face)
                for (int rank = 1; rank <= 8; ++rank)
                    for (int file = 1; file <= 8; ++file) {
                        if (board.GetPiece(rank, file).army != army) continue;
                        const TBoard before = board;
                        const TSquare from{rank, file};
                        const TPieceDestinations shown = PieceDestinations(board, army, face, from);
                        for (int r = 1; r <= 8; ++r)
                            for (int f = 1; f <= 8; ++f)
                                ASSERT_EQ(before.GetPiece(r, f), board.GetPiece(r, f));
                        ++pieces;
                        for (int r = 1; r <= 8; ++r)
                            for (int f = 1; f <= 8; ++f) {
                                const bool legal =
                                    IsLegalMove(board, army, face, from, TSquare{r, f});
                                EXPECT_EQ(shown.Contains(TSquare{r, f}), legal)
                                    << "army " << army << " face " << face << " from "
                                    << SquareName(from) << " to " << SquareName(TSquare{r, f});
                            }
                        for (const SquareRecord& to : shown) {
                            // A capture mark exactly where an enemy piece stands.
                            EXPECT_EQ(to.capture != 0,
                                      board.GetPiece(to.rank, to.file).kind != Empty);
                            ++marks;
                        }
                    }
    }
    EXPECT_GT(pieces, 1000);
    EXPECT_GT(marks, 100);
}

}  // namespace
}  // namespace vaeloric
