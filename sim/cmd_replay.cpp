// SPDX-License-Identifier: GPL-3.0-or-later

#include <memory>

#include "flow/game_record.h"
#include "flow/record_play.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "flow/saved_game_format.h"
#include "sim/commands.h"
#include "sim/sim_support.h"

namespace vaeloric::sim {

namespace {

// The position as eight ranks of saved-game cell codes, "--" for an empty
// square, with the files under them.
std::string PositionText(const TBoard& board) {
    std::string text;
    for (int rank = 8; rank >= 1; --rank) {
        text += std::to_string(rank);
        for (int file = 1; file <= 8; ++file) {
            const TPiece& piece = board.At(rank, file);
            text += ' ';
            if (piece.kind == Empty || piece.army < 1 || piece.army > 4 || piece.kind > 10) {
                text += "--";
            } else {
                text += saved_game::kArmyLetters[piece.army];
                text += saved_game::kKindLetters[piece.kind];
            }
        }
        text += '\n';
    }
    return text + "  A  B  C  D  E  F  G  H\n";
}

}  // namespace

int RunReplay(const TArguments& args, std::string& out) {
    std::string recordPath, savePath;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--save") {
            if (i + 1 >= args.size()) throw TUsageError("The option --save needs a value.");
            savePath = args[++i];
        } else if (recordPath.empty() && !args[i].empty() && args[i][0] != '-') {
            recordPath = args[i];
        } else {
            throw TUsageError("Unknown argument '" + args[i] + "' for replay.");
        }
    }
    if (recordPath.empty()) throw TUsageError("replay needs the game record to read.");
    CheckOutputTarget(savePath);
    RequireFolder(savePath, "Cannot write the saved game '" + savePath + "'.");

    TGameRecord record;
    auto end = std::make_unique<TRecordPosition>();
    std::string bytes;
    switch (ReadFileSafely(recordPath, kMaxRecordBytes + 1, bytes)) {
        case TFileOutcome::Done:
            break;
        case TFileOutcome::NotRegular:
            throw TUsageError(NotRegularSentence(recordPath, "read"));
        case TFileOutcome::Failed:
            throw TUsageError("Cannot open the game record '" + recordPath + "'.");
    }
    const TRecordReadResult read = ParseRecord(bytes, record, end.get());
    if (!read.ok) throw TUsageError("'" + recordPath + "': " + read.message);

    out += "turns " + std::to_string(record.turns.size()) + "\n";
    out += PositionText(end->board);
    out += std::string("to-move ") + ColourName(end->board.armyToMove) + "\n";
    out += std::string("result ") + ResultTagValue(record.result);
    if (record.reason != TRecordReason::None)
        out += std::string(" (") + ReasonTagValue(record.reason) + ")";
    out += "\n";
    if (!savePath.empty()) {
        const TSaveResult saved = WriteSavedGame(savePath, record.boardLetter, end->board,
                                                 end->setUp, end->turn, end->reading);
        if (!saved.saved) {
            CheckOutputTarget(savePath);
            throw TUsageError("Cannot write the saved game '" + savePath + "'.");
        }
    }
    return 0;
}

}  // namespace vaeloric::sim
