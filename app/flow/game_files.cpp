// Saving under a chosen name, and the reload-mode set-up that asks for a
// saved game until one loads or the user gives up.
#include "app/flow/flow_services.h"
#include "app/flow/flow_texts.h"
#include "app/flow/game_controller.h"
#include "app/flow/seats.h"

namespace vaeloric {

bool TGameController::WriteGame(const std::string& path) {
    if (Box(path, texts::kGameFilenameTitle, TBoxButtons::OkCancel, TBoxIcon::Question) !=
        TBoxAnswer::Ok)
        return false;
    if (!WriteGameFile(path, game_)) {
        Box(texts::kCouldNotSave, game_.setup.caption, TBoxButtons::Ok, TBoxIcon::Exclamation);
        return false;
    }
    modified_ = false;
    layer_.Invalidate();
    return true;
}

bool TGameController::SaveAs() {
    if (game_.mode == TStartMode::Demonstration)
        Box(texts::kDemonstrationSaveNote, texts::kInformationTitle);
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
    std::string chosen = fileName_;
    for (;;) {
        if (!layer_.RunOpenDialog(chosen)) {
            WriteCancelledFile();
            ended_ = true;
            layer_.DestroyWindow();
            return;
        }
        // The reader starts from a reset window, whatever it finds.
        ResetPlay();
        const TLoadResult result = LoadGameFile(chosen, game_);
        if (result.kind == TLoadResult::CannotOpen) {
            Box(texts::kCouldNotOpen, game_.setup.caption, TBoxButtons::Ok, TBoxIcon::Exclamation);
            continue;
        }
        if (result.kind == TLoadResult::Refused) {
            Box(result.message, texts::kIncorrectFileTitle);
            continue;
        }
        break;
    }
    AssignSeats(game_.setup, game_.board);
    layer_.SetTitle(game_.setup.caption);
    modified_ = false;
    fileName_ = chosen;
    layer_.Invalidate();
}

}  // namespace vaeloric
