#pragma once

#include <QWidget>
#include <memory>

#include "flow/game_controller.h"
#include "window/qt_window_layer.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

class TControlPanelDialog;
class TMusic;

// The one main window of a board program. It reports what the user does to
// the game controller and draws what the game state says.
class TKoravinWindow : public QWidget {
    Q_OBJECT
  public:
    TKoravinWindow(TGameSession& game, const TPictureCatalogue& pictures);
    ~TKoravinWindow() override;

    TGameController& Controller() { return controller_; }
    const TPictureCatalogue& Pictures() const { return pictures_; }

    // For the window layer.
    void ShowRuler(bool on);
    void ShowControlPanel();
    void DestroyWithoutAsking();
    TMusic& Music() { return *music_; }

  public slots:
    void OnCommand(int command);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    TGameSession& game_;
    const TPictureCatalogue& pictures_;
    TQtWindowLayer layer_;
    TGameController controller_;
    TMusic* music_ = nullptr;  // a child of the window
    TControlPanelDialog* controlPanel_ = nullptr;
    int timerId_ = 0;
    bool rulerShown_ = false;
    bool destroying_ = false;
    bool setupPosted_ = false;
};

}  // namespace vaeloric
