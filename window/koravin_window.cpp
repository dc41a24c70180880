// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/koravin_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "dialogs/control_panel_dialog.h"
#include "game/check.h"
#include "render/board_turn.h"
#include "render/move_marks.h"
#include "window/board_accessible.h"
#include "window/captured_view.h"
#include "window/dialog_placement.h"
#include "window/move_list_view.h"
#include "window/music.h"
#include "window/termination_request.h"

namespace vaeloric {

namespace {
// The turn panel (with its "in check" tab) ends at y = 183.
constexpr int kControlPanelTop = 186;
constexpr double kZoomStep = 1.25;
// Below this the control panel's texts could no longer be read.
constexpr double kSmallestPanelScale = 0.4;
constexpr int kSlideMilliseconds = 250;

}  // namespace

TKoravinWindow::TKoravinWindow(TGameSession& game, const TPictureCatalogue& pictures)
    : QWidget(nullptr),
      game_(game),
      pictures_(pictures),
      layer_(*this, *this),
      controller_(layer_, game),
      pointer_(controller_, layer_) {
    // Before anything asks for the window's accessible object.
    InstallBoardAccessibility();
    // Construction order: the frame with its title, the timer, the music
    // player; the controller has assigned the seats or the set-up defaults.
    setWindowTitle(QString::fromStdString(game_.setup.caption));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(480, 320);
    setAccessibleName(QStringLiteral("Vaeloric Chess board"));
    timerId_ = startTimer(10);
    if (timerId_ == 0) controller_.ReportTimerRefused();
    music_ = new TMusic(this);
    moveList_ = new TMoveListView(controller_, this);
    moveList_->hide();
    captured_ = new TCapturedView(pictures_, this);
    captured_->hide();
    connect(moveList_, &TMoveListView::ShownChanged, this, [this] { update(); });
    CreateActions();
}

TKoravinWindow::~TKoravinWindow() {
    if (timerId_ != 0) killTimer(timerId_);
}

void TKoravinWindow::CreateActions() {
    const auto make = [this](const QString& text, const QKeySequence& keys, auto slot) {
        auto* action = new QAction(text, this);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    // F as in the desktop's image viewers: the way back after Ctrl+0.
    fitAction_ = make(tr("&Fit to Window"), QKeySequence(Qt::Key_F), [this] { FitToWindow(); });
    fitAction_->setCheckable(true);
    fitAction_->setChecked(true);
    actualSizeAction_ =
        make(tr("&Actual Size"), QKeySequence(Qt::CTRL | Qt::Key_0), [this] { SetZoom(1.0); });
    zoomInAction_ = make(tr("Zoom &In"), QKeySequence::ZoomIn, [this] { ZoomBy(kZoomStep); });
    // Ctrl+= is where + is without Shift on most keyboards.
    zoomInAction_->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    zoomOutAction_ =
        make(tr("Zoom &Out"), QKeySequence::ZoomOut, [this] { ZoomBy(1.0 / kZoomStep); });
    lastMoveAction_ = make(tr("Mark the &Last Move"), QKeySequence(),
                           [this](bool on) { SetMarks(on, extras_.markCheck); });
    lastMoveAction_->setCheckable(true);
    lastMoveAction_->setChecked(extras_.markLastMove);
    checkAction_ = make(tr("Mark a King in &Check"), QKeySequence(),
                        [this](bool on) { SetMarks(extras_.markLastMove, on); });
    checkAction_->setCheckable(true);
    checkAction_->setChecked(extras_.markCheck);
    movesAction_ = make(tr("Show Where a Piece May &Go"), QKeySequence(),
                        [this](bool on) { SetMoveMarks(on); });
    movesAction_->setCheckable(true);
    movesAction_->setChecked(extras_.markMoves);
    turnAction_ = make(tr("&Turn the Board"), QKeySequence(Qt::Key_R),
                       [this] { SetQuarterTurns(QuarterTurns() + 1); });
    coordinatesAction_ =
        make(tr("Show &Coordinates"), QKeySequence(), [this](bool on) { SetCoordinates(on); });
    coordinatesAction_->setCheckable(true);
    coordinatesAction_->setChecked(extras_.coordinates);
    moveListAction_ = make(tr("Show the &Move List"), QKeySequence(Qt::Key_L),
                           [this](bool on) { ShowMoveList(on); });
    moveListAction_->setCheckable(true);
    moveListAction_->setChecked(moveListShown_);
    hintAction_ = make(tr("&Hint"), QKeySequence(Qt::Key_H), [this] {
        controller_.AskHint();
        UpdateAccessibleText();
    });
    // Escape itself stays with the keys: it also puts a piece back and
    // leaves a past turn.
    cancelHintAction_ = new QAction(tr("Cancel the Hint\tEsc"), this);
    connect(cancelHintAction_, &QAction::triggered, this, [this] {
        controller_.CancelHint();
        UpdateAccessibleText();
    });
    valuesAction_ = make(tr("Show Piece &Values"), QKeySequence(), [this](bool on) {
        captured_->SetValuesShown(on);
        Relayout();
    });
    valuesAction_->setCheckable(true);
    valuesAction_->setChecked(captured_->ValuesShown());
}

void TKoravinWindow::ShowMoveList(bool on) {
    moveListShown_ = on;
    moveListAction_->setChecked(on);
    // A hidden list shows nothing of the past: the game is back.
    if (!on && moveList_->List().Viewing()) moveList_->ReturnToGame();
    moveList_->setVisible(on);
    captured_->setVisible(on);
    Relayout();
}

int TKoravinWindow::SceneAreaWidth() const {
    return moveListShown_ ? std::max(1, width() - TMoveListView::WidthFor(width())) : width();
}

void TKoravinWindow::SetQuarterTurns(int turns) {
    quarterTurns_ = (turns % 4 + 4) % 4;
    update();
}

void TKoravinWindow::SetCoordinates(bool on) {
    extras_.coordinates = on;
    coordinatesAction_->setChecked(on);
    update();
}

void TKoravinWindow::ChooseDefaultTurn() {
    if (quarterTurns_ >= 0 || !controller_.Playing()) return;
    const TBoard& board = game_.board;
    const std::int32_t questioner = board.questionerArmy;
    quarterTurns_ =
        questioner >= 1 && questioner <= 4 && board.GetPlayerCode(questioner) == Human
            ? QuarterTurnsBringingArmyDown(board.ptah, game_.setup.boardLetter, questioner)
            : 0;
}

void TKoravinWindow::SetMoveMarks(bool on) {
    extras_.markMoves = on;
    movesAction_->setChecked(on);
    update();
}

TSceneScale TKoravinWindow::Scale() const {
    return zoomFit_ ? TSceneScale(TSceneScale::FitScale(SceneAreaWidth(), height()))
                    : TSceneScale(zoom_);
}

void TKoravinWindow::FitToWindow() {
    zoomFit_ = true;
    fitAction_->setChecked(true);
    Relayout();
}

void TKoravinWindow::SetZoom(double scale) {
    zoomFit_ = false;
    zoom_ = TSceneScale(scale).Scale();
    fitAction_->setChecked(false);
    Relayout();
}

void TKoravinWindow::ZoomBy(double factor) {
    SetZoom(Scale().Scale() * factor);
}

void TKoravinWindow::SetMarks(bool lastMove, bool check) {
    extras_.markLastMove = lastMove;
    extras_.markCheck = check;
    lastMoveAction_->setChecked(lastMove);
    checkAction_->setChecked(check);
    update();
}

QRect TKoravinWindow::NoticeArea(int barHeight) const {
    const int listWidth = moveListShown_ ? TMoveListView::WidthFor(width()) : 0;
    return QRect(0, height() - barHeight, width() - listWidth, barHeight);
}

void TKoravinWindow::Relayout() {
    const TSceneScale scale = Scale();
    const int listWidth = TMoveListView::WidthFor(width());
    // The lost pieces over the move list, in the same column.
    const int capturedHeight = std::min(captured_->FitTo(listWidth, height() / 2), height() / 2);
    captured_->setGeometry(width() - listWidth, 0, listWidth, capturedHeight);
    moveList_->setGeometry(width() - listWidth, capturedHeight, listWidth,
                           height() - capturedHeight);
    if (controlPanel_ != nullptr) {
        // As large as the scene, as long as the whole column fits below the
        // turn panel.
        const int top = static_cast<int>(std::ceil(kControlPanelTop * scale.Scale()));
        controlPanel_->SetScale(1.0);
        const double room = double(height() - top - 4) / controlPanel_->height();
        double chosen = std::max(kSmallestPanelScale, std::min(scale.Scale(), room));
        const auto place = [&] {
            controlPanel_->SetScale(chosen);
            if (controlPanel_->y() < top) controlPanel_->move(controlPanel_->x(), top);
        };
        place();
        // Fonts do not shrink in proportion: shrink on until the last
        // button is inside the window.
        for (int step = 0; step < 12 && controlPanel_->geometry().bottom() >= height() &&
                           chosen > kSmallestPanelScale;
             ++step) {
            chosen = std::max(kSmallestPanelScale, chosen * 0.9);
            place();
        }
    }
    update();
}

void TKoravinWindow::timerEvent(QTimerEvent*) {
    // Nothing runs by itself: play advances only on the user's clicks.
}

void TKoravinWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!controller_.SetupDone()) {
        // The first paint starts the game set-up, just after it returns: the
        // set-up runs modal dialogs, which must not run inside a paint.
        painter.fillRect(rect(), BackgroundColour(controller_.Options().background));
        if (!setupPosted_) {
            setupPosted_ = true;
            QTimer::singleShot(0, this, [this] {
                // Nothing is lost by closing during the demonstration's
                // set-up: a termination request need not wait for its dialogs.
                setProperty(kClosesUnderDialogs,
                            controller_.Game().mode == TStartMode::Demonstration);
                controller_.ReadyToDraw();
                setProperty(kClosesUnderDialogs, false);
                update();
            });
        }
        return;
    }
    if (!controller_.Playing()) {
        // While the set-up dialogs run, and after the end, there is no board.
        painter.fillRect(rect(), BackgroundColour(controller_.Options().background));
        return;
    }
    ChooseDefaultTurn();
    const double scale = Scale().Scale();
    // Pictures are drawn for the pixels they land on, so they stay sharp.
    pictures_.SetRenderScale(scale * devicePixelRatioF());
    painter.scale(scale, scale);
    const QRect scene(0, 0, static_cast<int>(std::ceil(SceneAreaWidth() / scale)) + 1,
                      static_cast<int>(std::ceil(height() / scale)) + 1);
    extras_.origin = BoardOrigin();
    extras_.pressedButton = pointer_.PressedButtonImage();
    extras_.pressedButtonAt = pointer_.PressedButtonCorner();
    if (moveListShown_) moveList_->Refresh();
    extras_.viewed = moveList_->ViewedPosition();
    if (moveListShown_) {
        const int before = captured_->HeightFor(captured_->width());
        const TCapturedView::TLostList lostBefore = captured_->Lost();
        captured_->Show(extras_.viewed != nullptr ? extras_.viewed->board : game_.board,
                        DisplayOptionsOf(controller_.Options()).pieceStyle);
        // A new line of lost pieces takes room from the list.
        if (captured_->Lost() != lostBefore || captured_->HeightFor(captured_->width()) != before)
            Relayout();
    }
    PaintGameWindow(painter, scene, controller_, pictures_, extras_);
    PaintViewingBanner(painter);
    UpdateAccessibleText();
}

void TKoravinWindow::PaintViewingBanner(QPainter& painter) {
    // Over the top of the board, in scene pixels: the board below is a
    // past position, not the game.
    if (extras_.viewed == nullptr) return;
    const TBoardOrigin origin = BoardOrigin();
    const QRect strip(origin.x, origin.y + 4, kBoardSize, 30);
    painter.fillRect(strip, QColor(122, 31, 31, 225));
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(16);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(
        strip, Qt::AlignCenter,
        QString::fromStdString(moveList_->List().Banner()) + tr(" — Escape returns to the game"));
}

void TKoravinWindow::resizeEvent(QResizeEvent*) {
    Relayout();
}

void TKoravinWindow::mouseMoveEvent(QMouseEvent* event) {
    if (keyboardHolds_) return;  // the keyboard's cursor carries the piece
    const QPoint p = Scale().ToScene(event->position());
    Pointer().Move(p.x(), p.y());
}

void TKoravinWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = Scale().ToScene(event->position());
    keyboardHolds_ = false;
    if (event->button() == Qt::LeftButton)
        Pointer().LeftDown(p.x(), p.y());
    else if (event->button() == Qt::RightButton)
        Pointer().RightDown(p.x(), p.y());
}

void TKoravinWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = Scale().ToScene(event->position());
    Pointer().LeftUp(p.x(), p.y());
    CloseIfAskedMeanwhile();
}

void TKoravinWindow::contextMenuEvent(QContextMenuEvent* event) {
    // A right click on the board shows the square; elsewhere, the menu.
    if (event->reason() == QContextMenuEvent::Mouse &&
        OverBoard(Scale().ToScene(QPointF(event->pos()))))
        return;
    QMenu menu(this);
    if (controller_.HintState() == TGameController::THintState::Thinking) {
        menu.addAction(cancelHintAction_);
    } else {
        hintAction_->setEnabled(controller_.CanAskHint() &&
                                controller_.HintState() == TGameController::THintState::None);
        menu.addAction(hintAction_);
    }
    menu.addSeparator();
    menu.addAction(fitAction_);
    menu.addAction(actualSizeAction_);
    menu.addAction(zoomInAction_);
    menu.addAction(zoomOutAction_);
    menu.addSeparator();
    menu.addAction(lastMoveAction_);
    menu.addAction(checkAction_);
    menu.addAction(movesAction_);
    menu.addSeparator();
    menu.addAction(turnAction_);
    menu.addAction(coordinatesAction_);
    menu.addAction(moveListAction_);
    menu.addAction(valuesAction_);
    menu.exec(event->globalPos());
    // The shortcut stays live whatever the menu showed; the controller
    // refuses a hint out of turn.
    hintAction_->setEnabled(true);
}

TBoardOrigin TKoravinWindow::BoardOrigin() const {
    TBoardOrigin origin = PlaceBoard(Scale().SceneWidth(SceneAreaWidth()),
                                     DisplayOptionsOf(controller_.Options()).boardStyle);
    origin.quarterTurns = QuarterTurns();
    return origin;
}

TPointerInput& TKoravinWindow::Pointer() {
    pointer_.SetOrigin(BoardOrigin());
    return pointer_;
}

QRectF TKoravinWindow::BoardRectInWindow() const {
    const TBoardOrigin origin = BoardOrigin();
    return Scale().ToWindow(QRectF(origin.x, origin.y, kBoardSize, kBoardSize));
}

bool TKoravinWindow::OverBoard(QPoint p) const {
    return vaeloric::OverBoard(BoardOrigin(), p.x(), p.y());
}

QPoint TKoravinWindow::SquareCentre(TSquare square) const {
    const TPixel corner = SquareCornerOf(BoardOrigin(), square.rank, square.file);
    return QPoint(corner.x + kSquareSize / 2, corner.y + kSquareSize / 2);
}

void TKoravinWindow::closeEvent(QCloseEvent* event) {
    // Not in the middle of a move: the close question comes once it is done.
    if (extras_.sliding && !destroying_) {
        closePending_ = true;
        event->ignore();
        return;
    }
    if (!destroying_ && !controller_.CanClose()) {
        event->ignore();
        return;
    }
    event->accept();
    // Closed while set-up dialogs are open (a box may sit on a dialog): close
    // them too, so that the set-up returns and ends the program instead of
    // running on unseen.
    if (controller_.Playing()) return;
    for (QWidget* dialog = QApplication::activeModalWidget(); dialog != nullptr && dialog->close();
         dialog = QApplication::activeModalWidget()) {
    }
}

void TKoravinWindow::CloseIfAskedMeanwhile() {
    if (!closePending_ || extras_.sliding) return;
    closePending_ = false;
    // From the event loop, not from inside the input handler that moved.
    QTimer::singleShot(0, this, [this] {
        if (!destroying_) close();
    });
}

void TKoravinWindow::OnCommand(int command) {
    controller_.Command(command);
}

void TKoravinWindow::ShowRuler(bool on) {
    extras_.rulerShown = on;
    update();
}

void TKoravinWindow::ShowControlPanel() {
    if (controlPanel_ != nullptr) return;
    controlPanel_ = new TControlPanelDialog(this);
    controlPanel_->SetReadingSwitches(controller_.MoveReading(), controller_.WholeReading());
    connect(controlPanel_, &TControlPanelDialog::CommandIssued, this, &TKoravinWindow::OnCommand);
    controlPanel_->show();
    // Below the turn panel and its buttons, at the window's zoom.
    Relayout();
}

void TKoravinWindow::PlaceBesideBoard(QWidget* dialog) const {
    const QScreen* screen = this->screen();
    if (screen == nullptr || !isVisible()) return;
    const QRect area = screen->availableGeometry();
    const QRectF board = BoardRectInWindow();
    const QRect globalBoard(mapToGlobal(board.topLeft().toPoint()),
                            mapToGlobal(board.bottomRight().toPoint()));
    // The frame adds a title bar and borders to the dialog's own size.
    const QSize frame = dialog->isVisible()
                            ? dialog->frameGeometry().size()
                            : dialog->sizeHint().expandedTo(dialog->size()) + QSize(8, 30);
    // What the player must still see: both squares of the last move and
    // every King in check.
    std::vector<TSquare> squares{game_.turn.moveFrom, game_.turn.moveTo};
    for (std::int32_t army = 1; army <= 4; ++army) {
        TSquare king{0, 0};
        if (ArmyInCheck(game_.board, army) && FindKing(game_.board, army, king))
            squares.push_back(king);
    }
    std::vector<QRect> keepClear;
    for (TSquare square : squares) {
        if (!OnBoard(square.rank, square.file)) continue;
        const TPixel corner = SquareCornerOf(BoardOrigin(), square.rank, square.file);
        const QRect inWindow =
            Scale().ToWindow(QRectF(corner.x, corner.y, kSquareSize, kSquareSize)).toRect();
        keepClear.emplace_back(mapToGlobal(inWindow.topLeft()), inWindow.size());
    }
    // The lost pieces beside the board stay in sight too, where there is
    // room below them.
    if (captured_->isVisible())
        keepClear.emplace_back(mapToGlobal(captured_->geometry().topLeft()),
                               captured_->geometry().size());
    dialog->move(PlaceDialogClear(area, globalBoard, frame, keepClear));
}

void TKoravinWindow::SlideLastMove() {
    if (!isVisible()) return;
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer tick;
    extras_.sliding = true;
    extras_.progress = 0;
    connect(&tick, &QTimer::timeout, &loop, [&] {
        extras_.progress = std::min(1.0, static_cast<double>(clock.elapsed()) / kSlideMilliseconds);
        repaint();
        if (extras_.progress >= 1.0) loop.quit();
    });
    tick.start(15);
    repaint();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    extras_.sliding = false;
    update();
}

void TKoravinWindow::DestroyWithoutAsking() {
    // The game has ended: close without the save question, once control is
    // back in the event loop (we may be deep inside a mouse handler).
    destroying_ = true;
    hide();
    QTimer::singleShot(0, this, [this] {
        close();
        // A hidden window's close does not count as the last window closing.
        QCoreApplication::quit();
    });
}

}  // namespace vaeloric
