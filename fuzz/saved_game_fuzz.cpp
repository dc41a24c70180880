// SPDX-License-Identifier: GPL-3.0-or-later

// Feeds arbitrary bytes to the saved-game reader. Whatever it accepts must
// be a sound game, writing that game back must give a file that reads to the
// very same bytes again, and that file cut before its board must be refused.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "flow/saved_game.h"

namespace {

using namespace vaeloric;

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckSound(const TSavedGame& game) {
    int kings[5] = {0, 0, 0, 0, 0};
    for (int rank = 1; rank <= 8; ++rank)
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = game.board.At(rank, file);
            if (piece.kind == Empty) {
                Require(piece == TPiece{});
                continue;
            }
            Require(piece.kind >= 1 && piece.kind <= 10);
            Require(piece.army >= 1 && piece.army <= 4);
            Require(piece.ally == AllyOf(piece.army));
            Require(piece.playerCode == game.board.GetPlayerCode(piece.army));
            Require(piece.value >= -kMaxPieceValue && piece.value <= kMaxPieceValue);
            if (piece.kind == King || piece.kind == CombinedKing) ++kings[piece.army];
        }
    for (int army = 1; army <= 4; ++army) {
        Require(kings[army] == 1);
        Require(game.board.GetPlayerCode(army) >= 1 && game.board.GetPlayerCode(army) <= 8);
    }
    Require(game.board.GetPlayerCode(game.board.questionerArmy) == Human);
    Require(game.board.armyToMove >= 1 && game.board.armyToMove <= 4);
    for (float activation : game.gameActivation)
        Require(activation >= kMinStoredActivation && activation <= kMaxStoredActivation);
    Require(game.setUp.caption.size() <= kMaxCaptionLength);
    Require(game.setUp.questionerName.size() <= kMaxNameLength);
    for (int seat = 2; seat <= 4; ++seat)
        Require(game.setUp.seatName[seat].size() <= kMaxNameLength);
}

std::string Written(const TSavedGame& game) {
    TTurnState turn;
    turn.checkmated = game.checkmated;
    turn.ptahReached = game.ptahReached;
    TReadingRecord reading;
    reading.gameActivation = game.gameActivation;
    return FormatSavedGame(game.setUp.boardLetter, game.board, game.setUp, turn, reading);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    TSavedGame game;
    for (char letter : {'W', 'F'}) ParseSavedGame(bytes, letter, game);
    if (!ParseSavedGame(bytes, kAnyBoard, game).Loaded()) return 0;
    CheckSound(game);

    const std::string first = Written(game);
    TSavedGame again;
    Require(ParseSavedGame(first, game.setUp.boardLetter, again).Loaded());
    CheckSound(again);
    Require(Written(again) == first);
    // The same file cut before its board never loads with the board that the
    // status sets up.
    const std::string_view cut = std::string_view(first).substr(0, first.find("[BOARDSTATE]"));
    Require(!ParseSavedGame(cut, kAnyBoard, again).Loaded());
    return 0;
}
