#include "window/koravin_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "window/music.h"
#include "window/window_painter.h"
#include "dialogs/control_panel_dialog.h"

namespace vaeloric {

namespace {
// The turn panel ends at y = 165.
constexpr int kControlPanelTop = 168;
}  // namespace

TKoravinWindow::TKoravinWindow(TGameSession& game, const TPictureCatalogue& pictures)
    : QWidget(nullptr), game_(game), pictures_(pictures), layer_(*this), controller_(layer_, game) {
    // Construction order: the frame with its title, the timer, the music
    // player; the controller has assigned the seats or the set-up defaults.
    setWindowTitle(QString::fromStdString(game_.setup.caption));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(720, 520);
    timerId_ = startTimer(10);
    if (timerId_ == 0) controller_.ReportTimerRefused();
    music_ = new TMusic(this);
}

TKoravinWindow::~TKoravinWindow() {
    if (timerId_ != 0) killTimer(timerId_);
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
                controller_.ReadyToDraw();
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
    PaintGameWindow(painter, rect(), controller_, pictures_, rulerShown_);
}

void TKoravinWindow::resizeEvent(QResizeEvent*) {
    controller_.PlaceBoard(width());
}

void TKoravinWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    controller_.MouseMove(p.x(), p.y());
}

void TKoravinWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        controller_.LeftDown(p.x(), p.y());
    else if (event->button() == Qt::RightButton)
        controller_.RightDown(p.x(), p.y());
}

void TKoravinWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const QPoint p = event->position().toPoint();
    controller_.LeftUp(p.x(), p.y());
}

void TKoravinWindow::closeEvent(QCloseEvent* event) {
    if (destroying_ || controller_.CanClose())
        event->accept();
    else
        event->ignore();
}

void TKoravinWindow::OnCommand(int command) {
    controller_.Command(command);
}

void TKoravinWindow::ShowRuler(bool on) {
    rulerShown_ = on;
    update();
}

void TKoravinWindow::ShowControlPanel() {
    if (controlPanel_ != nullptr) return;
    controlPanel_ = new TControlPanelDialog(this);
    controlPanel_->SetReadingSwitches(controller_.MoveReading(), controller_.WholeReading());
    // Below the turn panel and its buttons, whatever the font's dialog units.
    if (controlPanel_->y() < kControlPanelTop)
        controlPanel_->move(controlPanel_->x(), kControlPanelTop);
    connect(controlPanel_, &TControlPanelDialog::CommandIssued, this, &TKoravinWindow::OnCommand);
    controlPanel_->show();
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
