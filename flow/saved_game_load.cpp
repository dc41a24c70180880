#include <filesystem>
#include <fstream>
#include <system_error>

#include "flow/saved_game.h"
#include "flow/saved_game_texts.h"
#include "reading/network.h"

namespace vaeloric {

namespace {

// Reads at most one byte more than a saved game may have, so that the
// parser can tell a file that is too large without holding all of it.
bool ReadFileBytes(const std::string& path, std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.resize(kMaxSavedGameBytes + 1);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return false;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return true;
}

}  // namespace

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
    std::string bytes;
    if (path.empty() || !ReadFileBytes(path, bytes)) {
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
