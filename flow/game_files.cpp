// SPDX-License-Identifier: GPL-3.0-or-later

// Saving under a chosen name, and the reload-mode set-up that asks for a
// saved game until one loads or the user gives up.
#include <algorithm>

#include "flow/flow_services.h"
#include "flow/flow_texts.h"
#include "flow/game_controller.h"
#include "flow/running_game.h"
#include "flow/safe_file.h"
#include "flow/saved_game.h"
#include "flow/saved_game_texts.h"

namespace vaeloric {

bool TGameController::WriteGame(const std::string& path) {
    if (Box(path, kSaveConfirmTitle, TBoxButtons::OkCancel, TBoxIcon::Question) != TBoxAnswer::Ok)
        return false;
    if (const TSaveResult saved = WriteGameFile(path, game_); !saved.saved) {
        Box(saved.message, game_.setup.caption, TBoxButtons::Ok, TBoxIcon::Exclamation);
        return false;
    }
    // The record goes beside the saved game, so that a reload can go on with
    // it. The saved game itself is what was asked for; a record that cannot
    // be written there only means a reload starts a new record.
    WriteRecordFile(RecordBesideSavedGame(path), record_);
    modified_ = false;
    layer_.Invalidate();
    return true;
}

bool TGameController::SaveAs() {
    if (game_.mode == TStartMode::Demonstration)
        Box(kDemonstrationSaveText, kDemonstrationSaveTitle);
    std::string chosen = fileName_;
    for (;;) {
        if (!layer_.RunSaveDialog(chosen)) return false;
        if (WriteGame(chosen)) break;
    }
    // The next save proposes the name just used.
    fileName_ = chosen;
    layer_.Invalidate();
    return true;
}

void TGameController::OpenAndLoad() {
    // A file named after the `*` is tried first, with every check; the open
    // dialog follows only when it is refused.
    std::string chosen = game_.reloadPath.empty() ? fileName_ : game_.reloadPath;
    bool ask = game_.reloadPath.empty();
    // A game whose program died is offered first, unless a file was named.
    bool resumed = !ask && game_.reloadPath == game_.interruptedPath;
    if (ask && !game_.interruptedPath.empty()) {
        TKeptGame kept;
        if (ReadKeptGame(game_.interruptedPath, game_.boardLetter, kept) &&
            Box(InterruptedGameOffer(kept) + "?", game_.setup.caption, TBoxButtons::YesNo,
                TBoxIcon::Question) == TBoxAnswer::Yes) {
            chosen = game_.interruptedPath;
            ask = false;
            resumed = true;
        }
    }
    for (;; ask = true) {
        // A file chosen in the open dialog is the user's own, never taken over.
        if (ask) resumed = false;
        if (ask && !layer_.RunOpenDialog(chosen)) {
            WriteCancelledFile();
            ended_ = true;
            layer_.DestroyWindow();
            return;
        }
        // The reader starts from a reset window, whatever it finds.
        ResetPlay();
        const TLoadResult result = LoadGameFile(chosen, game_);
        if (result.outcome == TLoadOutcome::CannotOpen) {
            // Nothing to play from: ask again rather than start an unset game.
            Box(kCannotOpenText, game_.setup.caption, TBoxButtons::Ok, TBoxIcon::Exclamation);
            continue;
        }
        if (!result.Loaded()) {
            Box(result.message, kIncorrectFileTitle);
            continue;
        }
        break;
    }
    layer_.SetTitle(game_.setup.caption);
    modified_ = false;
    ContinueRecordAfterLoad(chosen);
    // A running file carries its turn; a record that was lost starts
    // counting from there.
    std::string loaded;
    const long keptTurn = ReadFileSafely(chosen, kMaxSavedGameBytes, loaded) == TFileOutcome::Done
                              ? KeptTurn(loaded)
                              : 0;
    turnsBefore_ = std::max(0L, keptTurn - 1 - static_cast<long>(record_.turns.size()));
    playing_ = true;
    // The game goes on under this program's running file; the interrupted
    // one is taken over.
    const bool takeOver = resumed && chosen != game_.runningPath && !game_.runningPath.empty();
    const bool moved = takeOver && TakeOverRunningGame(chosen, game_.runningPath);
    if (KeepRunning() && takeOver && !moved) ForgetRunningGame(chosen);
    if (resumed) {
        // Not saved by the user anywhere yet: the save proposes the default.
        modified_ = true;
    } else {
        fileName_ = chosen;
    }
    layer_.Invalidate();
}

bool TGameController::KeepRunning() {
    return KeepRunningGame(game_, turnsBefore_ + static_cast<long>(record_.turns.size()) + 1);
}

}  // namespace vaeloric
