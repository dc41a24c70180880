// Keyboard play and the board's description for screen readers: keys make
// the same presses and releases as the mouse, at the centres of the buttons
// and of the cursor's square.
#include <QAccessible>
#include <QKeyEvent>

#include "render/move_marks.h"
#include "render/panel_texts.h"
#include "window/koravin_window.h"

namespace vaeloric {

namespace {
QPoint Centre(const THotRect& rect) {
    return QPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}
}  // namespace

void TKoravinWindow::ClickAt(QPoint p) {
    controller_.MouseMove(p.x(), p.y());
    controller_.LeftDown(p.x(), p.y());
    controller_.LeftUp(p.x(), p.y());
}

void TKoravinWindow::MoveKeyboardCursor(int ranks, int files) {
    TSquare& cursor = extras_.cursor;
    if (!OnBoard(cursor.rank, cursor.file)) {
        const TSquare last = game_.turn.lastMove.Square();
        cursor = OnBoard(last.rank, last.file) ? last : TSquare{1, 1};
    } else {
        cursor.rank = static_cast<std::int16_t>(std::clamp(cursor.rank + ranks, 1, 8));
        cursor.file = std::clamp(cursor.file + files, 1, 8);
    }
    const QPoint p = SquareCentre(cursor);
    controller_.MouseMove(p.x(), p.y());
    update();
}

void TKoravinWindow::KeyboardPickOrDrop() {
    if (!OnBoard(extras_.cursor.rank, extras_.cursor.file)) return MoveKeyboardCursor(0, 0);
    const QPoint p = SquareCentre(extras_.cursor);
    controller_.MouseMove(p.x(), p.y());
    if (keyboardHolds_) {
        keyboardHolds_ = false;
        controller_.LeftUp(p.x(), p.y());
    } else {
        controller_.LeftDown(p.x(), p.y());
        // Nothing picked up: the press ends here, as a click would.
        keyboardHolds_ = controller_.PieceSelected() && game_.turn.pressActive;
        if (!keyboardHolds_) controller_.LeftUp(p.x(), p.y());
    }
    update();
}

void TKoravinWindow::KeyboardDropBack() {
    if (!keyboardHolds_) return;
    keyboardHolds_ = false;
    // Released off the board: nothing moves and the throw is kept.
    const QPoint away(controller_.OriginX() + kBoardSide + 5, controller_.OriginY() + kBoardSide);
    controller_.MouseMove(away.x(), away.y());
    controller_.LeftUp(away.x(), away.y());
    const QPoint back = SquareCentre(extras_.cursor);
    controller_.MouseMove(back.x(), back.y());
    update();
}

void TKoravinWindow::keyPressEvent(QKeyEvent* event) {
    if (!controller_.Playing() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The buttons overlap (MOVE takes the place of THROW and ENTER once the
    // die is cast), so each key acts only while its button is shown.
    const bool thrown = game_.turn.throwValue != 0;
    switch (event->key()) {
        case Qt::Key_T:
            if (!thrown) ClickAt(Centre(kThrowRect));
            break;
        case Qt::Key_E:
            if (!thrown) ClickAt(Centre(kEnterRect));
            break;
        case Qt::Key_M:
            if (thrown) ClickAt(Centre(kMoveRect));
            break;
        case Qt::Key_Up:
            MoveKeyboardCursor(1, 0);
            break;
        case Qt::Key_Down:
            MoveKeyboardCursor(-1, 0);
            break;
        case Qt::Key_Left:
            MoveKeyboardCursor(0, -1);
            break;
        case Qt::Key_Right:
            MoveKeyboardCursor(0, 1);
            break;
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            KeyboardPickOrDrop();
            break;
        case Qt::Key_Escape:
            KeyboardDropBack();
            break;
        case Qt::Key_I:
            if (OnBoard(extras_.cursor.rank, extras_.cursor.file)) {
                const QPoint p = SquareCentre(extras_.cursor);
                controller_.RightDown(p.x(), p.y());
            }
            break;
        default:
            QWidget::keyPressEvent(event);
            return;
    }
    UpdateAccessibleText();
}

void TKoravinWindow::UpdateAccessibleText() {
    if (!controller_.Playing()) return;
    const TBoard& board = game_.board;
    const std::int32_t army = board.armyToMove;
    const int face = game_.turn.throwValue;
    QString text = QStringLiteral("%1 to move: %2, %3.")
                       .arg(QString::fromUtf8(ArmyCaption(army)).chopped(1),
                            QString::fromStdString(TurnPanelName(board, game_.setup)),
                            board.GetPlayerCode(army) == Human ? tr("human") : tr("computer"));
    if (face == 0) {
        text += tr(" No throw yet: T throws, E enters a die.");
    } else {
        const auto [hint1, hint2] = DieHint(face);
        text += tr(" The die shows %1.").arg(face);
        text += board.GetPlayerCode(army) == Human
                    ? tr(" Move %1 %2.").arg(QString::fromUtf8(hint1), QString::fromUtf8(hint2))
                    : tr(" M makes the computer's move.");
    }
    if (ArmyInCheck(board, army)) text += tr(" In check.");
    const auto describe = [&](const QString& what, TSquare square, const QString& end) {
        if (!OnBoard(square.rank, square.file)) return;
        const TPiece& piece = board.GetPiece(square.rank, square.file);
        text += what.arg(QChar('A' + square.file - 1)).arg(square.rank);
        text += piece.kind == Empty ? tr("empty")
                                    : QString::fromStdString(PieceNameText(piece.army, piece.kind,
                                                                           board.CompanionKind()));
        text += end;
    };
    describe(tr(" Cursor on %1%2: "), extras_.cursor,
             keyboardHolds_ ? tr(", held.") : QStringLiteral("."));
    describe(tr(" The panel shows %1%2: "), game_.turn.lastMove.Square(), QStringLiteral("."));
    if (text == accessibleDescription()) return;
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace vaeloric
