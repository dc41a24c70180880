// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "flow/window_layer.h"
#include "window/pointer_input.h"
#include "window/scene_scale.h"

class QWidget;

namespace vaeloric {

class TMusic;
class TPictureCatalogue;

// What the layer needs of the main window beyond its widget: the board's
// pictures and zoom, its panels, the placing of dialogs and the music.
class TLayerHost {
  public:
    virtual const TPictureCatalogue& Pictures() const = 0;
    virtual TSceneScale Scale() const = 0;
    virtual void ShowRuler(bool on) = 0;
    virtual void ShowControlPanel() = 0;
    virtual void DestroyWithoutAsking() = 0;
    virtual TMusic& Music() = 0;
    virtual void PlaceBesideBoard(QWidget* dialog) const = 0;
    virtual void SlideLastMove() = 0;

  protected:
    ~TLayerHost() = default;
};

// The window layer over Qt: message boxes, the modal dialogs, cursors,
// repainting, file dialogs and closing, all on behalf of one main window;
// and the pointer's cursor and button images.
class TQtWindowLayer : public TWindowLayer, public TPointerFeedback {
  public:
    // The window is the parent of the dialogs and takes the cursor; the host
    // is the same main window in the game's terms.
    TQtWindowLayer(QWidget& window, TLayerHost& host) : window_(window), host_(host) {}

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
    void PlaySound(TSound sound) override;
    void RequestClose() override;
    void DestroyWindow() override;
    void PostToWindow(std::function<void()> work) override;

  private:
    QWidget& window_;
    TLayerHost& host_;
};

// The saved-game filter and default extension in Qt's form.
inline constexpr const char* kQtSavedGameFilter = "Vaeloric files (*.vae *.VAE)";
// A game goes on from a saved game or from the last turn of its record.
inline constexpr const char* kQtOpenGameFilter =
    "Vaeloric games and records (*.vae *.VAE *.vrec *.VREC)";
inline constexpr const char* kQtSavedGameExtension = "VAE";

}  // namespace vaeloric
