// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "flow/window_layer.h"
#include "window/pointer_input.h"

namespace vaeloric {

class TKoravinWindow;

// The window layer over Qt: message boxes, the modal dialogs, cursors,
// repainting, file dialogs and closing, all on behalf of one main window;
// and the pointer's cursor and button images.
class TQtWindowLayer : public TWindowLayer, public TPointerFeedback {
  public:
    explicit TQtWindowLayer(TKoravinWindow& window) : window_(window) {}

    TBoxAnswer ShowMessage(const TMessageBox& box) override;
    bool RunPtahSquareDialog(TPtahSquareChoice& choice) override;
    bool RunPlayerSettingsDialog(TPlayerChoice& choice) override;
    bool RunDiceDialog(TDiceChoice& choice) override;
    bool RunOptionDialog(TOptionKind which, TOptionSettings& options) override;
    void RunPieceInfoDialog() override;
    void RunReadingDialog(const std::string& text, const std::string& caption) override;
    bool RunOpenDialog(std::string& fileName) override;
    bool RunSaveDialog(std::string& fileName) override;
    void SetCursor(int resourceId) override;
    void SetWaitCursor(bool on) override;
    void Invalidate() override;
    void ShowMove(TSquare from, TSquare to) override;
    void DrawButton(int pictureId) override;
    void DrawInformationPanel() override;
    void DrawRulerPanel() override;
    void SetTitle(const std::string& title) override;
    void ShowControlPanel() override;
    void StartMusic() override;
    void StopMusic() override;
    void CloseMusic() override;
    void RequestClose() override;
    void DestroyWindow() override;

  private:
    TKoravinWindow& window_;
};

// The saved-game filter and default extension in Qt's form.
inline constexpr const char* kQtSavedGameFilter = "Vaeloric files (*.vae *.VAE)";
inline constexpr const char* kQtSavedGameExtension = "VAE";

}  // namespace vaeloric
