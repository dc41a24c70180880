// SPDX-License-Identifier: GPL-3.0-or-later

#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "flow/saved_game_texts.h"
#include "reading/network.h"

namespace vaeloric {

void CommitSavedGame(const TSavedGame& game, TBoard& board, TSetUpRecord& setUp, TTurnState& turn,
                     TReadingRecord& reading) {
    setUp = game.setUp;
    board = game.board;
    turn.Reset();
    turn.checkmated = game.checkmated;
    turn.ptahReached = game.ptahReached;
    if (game.hasActivations) {
        RestoreGameActivation(reading, game.gameActivation);
        ComposeGameText(reading);  // so that the game text matches the state
    }
}

TLoadResult LoadSavedGame(const std::string& path, char boardLetter, TBoard& board,
                          TSetUpRecord& setUp, TTurnState& turn, TReadingRecord& reading) {
    // One byte more than a saved game may have, so that the parser can tell
    // a file that is too large without holding all of it.
    std::string bytes;
    if (ReadFileSafely(path, kMaxSavedGameBytes + 1, bytes) != TFileOutcome::Done) {
        TLoadResult result;
        result.outcome = TLoadOutcome::CannotOpen;
        result.message = kCannotOpenText;
        result.title = setUp.caption;
        return result;
    }
    TSavedGame game;
    TLoadResult result = ParseSavedGame(bytes, boardLetter, game);
    if (result.Loaded()) CommitSavedGame(game, board, setUp, turn, reading);
    return result;
}

}  // namespace vaeloric
