// SPDX-License-Identifier: GPL-3.0-or-later

// The controller's game record: begun with the game, continued by a reload
// when the record at hand leads to the loaded position, and written at every
// turn so that a killed program leaves it up to its last whole turn.
#include <cctype>

#include "flow/game_controller.h"
#include "flow/running_game.h"
#include "flow/safe_file.h"

namespace vaeloric {

namespace {

// The record without its last turn line, empty when it has none.
std::string WithoutLastTurn(const std::string& record) {
    std::size_t end = record.size();
    while (end > 0 && record[end - 1] == '\n') --end;
    const std::size_t start = record.rfind('\n', end == 0 ? 0 : end - 1);
    if (start == std::string::npos || start + 1 >= record.size() ||
        !std::isdigit(static_cast<unsigned char>(record[start + 1])))
        return {};
    return record.substr(0, start + 1);
}

}  // namespace

void TGameController::StartRecord() {
    record_ =
        RecordHeader(game_.boardLetter, game_.board, game_.setup, game_.turn, game_.reading, false);
    KeepRecord();
}

void TGameController::ContinueRecordAfterLoad(const std::string& savedGamePath) {
    // The record beside the saved game first, then the one the launcher
    // keeps for this game.
    for (const std::string& path : {RecordBesideSavedGame(savedGamePath), RecordFilePath()}) {
        std::string atHand;
        if (path.empty() || ReadFileSafely(path, kMaxRecordBytes + 1, atHand) != TFileOutcome::Done)
            continue;
        // A program killed between its record and its running file leaves
        // the record one turn ahead.
        for (const std::string& candidate : {atHand, WithoutLastTurn(atHand)}) {
            if (RecordLeadsTo(candidate, game_.boardLetter, game_.board, game_.setup, game_.turn,
                              game_.reading, record_)) {
                KeepRecord();
                return;
            }
        }
    }
    record_ =
        RecordHeader(game_.boardLetter, game_.board, game_.setup, game_.turn, game_.reading, true);
    KeepRecord();
}

void TGameController::RecordTurnEnd(const TEndOfGameDecision& decision, bool resigned) {
    if (!resigned) {
        recorder_.Ended(game_.board);
        record_.turns.push_back(recorder_.Turn());
    }
    SetRecordResult(record_, decision, resigned);
    KeepRecord();
}

void TGameController::KeepRecord() {
    // A board program on its own has no launcher to read the record. A
    // record that cannot be written is not worth a box every turn: the
    // analysis file, in the same folder unless the launcher chose otherwise,
    // reports the folder's trouble at the end, and the launcher tells a
    // missing record itself.
    // The running game's own copy goes with it, so that a game continued
    // after a kill keeps its whole record.
    if (!game_.runningPath.empty()) WriteRecordFile(RunningRecordFile(game_.runningPath), record_);
    if (game_.mode == TStartMode::Demonstration) return;
    WriteRecordFile(RecordFilePath(), record_);
}

}  // namespace vaeloric
