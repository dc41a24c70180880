// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <memory>

#include "flow/game_controller.h"
#include "render/pictures/picture_catalogue.h"
#include "window/pointer_input.h"
#include "window/qt_window_layer.h"
#include "window/scene_scale.h"
#include "window/window_painter.h"

class QAction;

namespace vaeloric {

class TCapturedView;

class TControlPanelDialog;
class TMoveListView;
class TMusic;

// The one main window of a board program. It reports what the user does to
// the game controller and draws what the game state says. The game works in
// the pixels of a fixed 1x scene; this window alone scales it to its size
// and maps the pointer back.
class TKoravinWindow : public QWidget, public TLayerHost {
    Q_OBJECT
  public:
    TKoravinWindow(TGameSession& game, const TPictureCatalogue& pictures);
    ~TKoravinWindow() override;

    TGameController& Controller() { return controller_; }
    // Where the board is drawn in the 1x scene, for the window's width and
    // the board style.
    TBoardOrigin BoardOrigin() const;
    const TPictureCatalogue& Pictures() const override { return pictures_; }

    // Zoom: fit the window (the default), or a fixed scale.
    TSceneScale Scale() const override;
    void FitToWindow();
    void SetZoom(double scale);
    void ZoomBy(double factor);

    // The marks of the last move and of a King in check.
    void SetMarks(bool lastMove, bool check);
    // The marks of where a picked-up piece may go.
    void SetMoveMarks(bool on);
    // The board turned by quarter turns clockwise (0..3); by default the
    // human Questioner's army sits at the bottom.
    int QuarterTurns() const { return quarterTurns_ < 0 ? 0 : quarterTurns_; }
    void SetQuarterTurns(int turns);
    void SetCoordinates(bool on);
    const TWindowExtras& Extras() const { return extras_; }

    // The move list at the window's right edge; the scene fits the rest.
    void ShowMoveList(bool on);
    bool MoveListShown() const { return moveListShown_; }
    TMoveListView* MoveListView() const { return moveList_; }
    TCapturedView* CapturedView() const { return captured_; }
    // Where a notice bar of the given height goes: along the bottom, clear
    // of the move list, under the board rather than over who is to move.
    QRect NoticeArea(int barHeight) const;

    // The keyboard's square cursor (rank, file).
    TSquare KeyboardCursor() const { return extras_.cursor; }
    // A press on a square, as Space on the cursor put there: picks up the
    // piece, or drops the piece held (for screen readers).
    void PressSquare(TSquare square);

    // For the window layer.
    void ShowRuler(bool on) override;
    void ShowControlPanel() override;
    void DestroyWithoutAsking() override;
    TMusic& Music() override { return *music_; }
    // Moves a dialog about to be shown (or just shown) beside the board,
    // on the side with more room, covering as little of the board as the
    // screen allows.
    void PlaceBesideBoard(QWidget* dialog) const override;
    // Shows the last move sliding from its origin, and returns when it has
    // arrived; user input waits meanwhile.
    void SlideLastMove() override;

  public slots:
    void OnCommand(int command);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void Relayout();
    void CreateActions();
    // The window's width left to the scene beside the move list.
    int SceneAreaWidth() const;
    void PaintViewingBanner(QPainter& painter);
    QRectF BoardRectInWindow() const;
    bool OverBoard(QPoint scenePoint) const;
    QPoint SquareCentre(TSquare square) const;
    // The pointer, told where the board is now.
    TPointerInput& Pointer();
    void KeyboardPickOrDrop();
    void KeyboardDropBack();
    void MoveKeyboardCursor(int ranks, int files);
    void UpdateAccessibleText();

    TGameSession& game_;
    const TPictureCatalogue& pictures_;
    TQtWindowLayer layer_;
    TGameController controller_;
    TPointerInput pointer_;
    TMusic* music_ = nullptr;  // a child of the window
    TControlPanelDialog* controlPanel_ = nullptr;
    int timerId_ = 0;
    bool destroying_ = false;
    // A close request that came while a move was on its way: it is asked
    // once the move (with its readings) is done.
    bool closePending_ = false;
    void CloseIfAskedMeanwhile();
    bool setupPosted_ = false;

    bool zoomFit_ = true;
    double zoom_ = 1.0;
    TWindowExtras extras_;
    bool keyboardHolds_ = false;  // a piece picked up from the keyboard

    QAction* fitAction_ = nullptr;
    QAction* actualSizeAction_ = nullptr;
    QAction* zoomInAction_ = nullptr;
    QAction* zoomOutAction_ = nullptr;
    QAction* lastMoveAction_ = nullptr;
    QAction* checkAction_ = nullptr;
    QAction* moveListAction_ = nullptr;
    QAction* hintAction_ = nullptr;
    QAction* cancelHintAction_ = nullptr;
    QAction* valuesAction_ = nullptr;

    TMoveListView* moveList_ = nullptr;  // a child of the window
    TCapturedView* captured_ = nullptr;  // above the move list
    bool moveListShown_ = false;
    QAction* movesAction_ = nullptr;
    QAction* turnAction_ = nullptr;
    QAction* coordinatesAction_ = nullptr;
    int quarterTurns_ = -1;  // not chosen yet
    void ChooseDefaultTurn();
};

}  // namespace vaeloric
