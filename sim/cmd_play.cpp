// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstring>

#include "flow/game_record.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "players/opponent_profiles.h"
#include "players/seer.h"
#include "sim/analysis_output.h"
#include "sim/commands.h"
#include "sim/game_runner.h"
#include "sim/play_options.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

namespace {

// A failed write: the target turned out not to be a regular file, or the
// write itself failed.
[[noreturn]] void WriteFailed(const std::string& path, const std::string& sentence) {
    CheckOutputTarget(path);
    throw TUsageError(sentence);
}

}  // namespace

bool ParsePlayOption(const TArguments& args, std::size_t& i, TPlayFiles& files,
                     TGameOptions& options) {
    const std::string& option = args[i];
    if (option == "--board") {
        const std::string value = OptionValue(args, i);
        if (value.size() != 1 || std::strchr("WAEF", value[0]) == nullptr) {
            throw TUsageError("--board must be one of W, A, E or F, not '" + value + "'.");
        }
        options.boardLetter = value[0];
    } else if (option == "--ptah") {
        const TSquare ptah = ParseSquareArgument(OptionValue(args, i));
        if (IsCornerSquare(ptah.rank, ptah.file)) {
            throw TUsageError("The Ptah square cannot be a corner square.");
        }
        options.ptah = ptah;
    } else if (option == "--seats") {
        const std::string value = OptionValue(args, i);
        bool valid = value.size() == 3;
        for (char c : value) valid = valid && IsAnyComputerCode(PlayerCodeOfLetter(c));
        if (!valid)
            throw TUsageError(
                "--seats needs three seat letters from f, o, r, c, i, a, q and s, not '" + value +
                "'.");
        for (int seat = 0; seat < 3; ++seat)
            options.seatLetters[seat] = value[static_cast<std::size_t>(seat)];
    } else if (option == "--questioner") {
        options.questionerCode = ParseComputerCode(OptionValue(args, i), "--questioner");
    } else if (option == "--seed") {
        options.seed = static_cast<std::uint32_t>(
            ParseNonNegative(OptionValue(args, i), "The seed", kSeedModulus));
    } else if (option == "--turns") {
        options.turnLimit = ParseCount(OptionValue(args, i), "--turns", kMaxTurns, 0);
    } else if (option == "--seer-nodes") {
        options.seerNodes = ParseSeerNodes(OptionValue(args, i));
    } else if (option == "--save") {
        files.savePath = OptionValue(args, i);
    } else if (option == "--analysis") {
        files.analysisPath = OptionValue(args, i);
    } else if (option == "--record") {
        files.recordPath = OptionValue(args, i);
    } else {
        return false;
    }
    return true;
}

void CheckPlayFiles(const TPlayFiles& files) {
    CheckOutputTarget(files.savePath);
    CheckOutputTarget(files.analysisPath);
    CheckOutputTarget(files.recordPath);
    RequireFolder(files.savePath, "Cannot write the saved game '" + files.savePath + "'.");
    RequireFolder(files.analysisPath,
                  "Cannot write the analysis file '" + files.analysisPath + "'.");
    RequireFolder(files.recordPath, "Cannot write the game record '" + files.recordPath + "'.");
}

void WritePlayFiles(const TPlayFiles& files, const TGameOptions& options, const TGame& game,
                    const TGameRecord* record) {
    const std::string& savePath = files.savePath;
    const std::string& analysisPath = files.analysisPath;
    const std::string& recordPath = files.recordPath;
    if (!savePath.empty()) {
        const TSaveResult saved = WriteSavedGame(savePath, options.boardLetter, game.board,
                                                 game.setUp, game.turn, game.reading);
        if (!saved.saved) WriteFailed(savePath, "Cannot write the saved game '" + savePath + "'.");
    }
    if (!recordPath.empty() && (record == nullptr || !WriteRecordFile(recordPath, *record)))
        WriteFailed(recordPath, "Cannot write the game record '" + recordPath + "'.");
    if (!analysisPath.empty() && !WriteAnalysis(analysisPath, game))
        WriteFailed(analysisPath, "Cannot write the analysis file '" + analysisPath + "'.");
}

int RunPlay(const TArguments& args, std::string& out) {
    TGameOptions options;
    TPlayFiles files;
    for (std::size_t i = 0; i < args.size(); ++i)
        if (!ParsePlayOption(args, i, files, options))
            throw TUsageError("Unknown option '" + args[i] + "' for play.");
    CheckPlayFiles(files);

    TGame game;
    TGameRecord record;
    PlayGame(
        options, game,
        [&](const std::string& line) {
            out += line;
            out += '\n';
        },
        files.recordPath.empty() ? nullptr : &record);
    WritePlayFiles(files, options, game, &record);
    return 0;
}

}  // namespace vaeloric::sim
