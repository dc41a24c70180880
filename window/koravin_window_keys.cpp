// SPDX-License-Identifier: GPL-3.0-or-later

// Keyboard play and the board's description for screen readers: keys press
// the turn's buttons and pick up and drop pieces on the cursor's square.
#include <QAccessible>
#include <QKeyEvent>

#include "render/hint_arrow.h"
#include "render/move_marks.h"
#include "render/panel_texts.h"
#include "window/koravin_window.h"
#include "window/move_list_view.h"

namespace vaeloric {

void TKoravinWindow::MoveKeyboardCursor(int ranks, int files) {
    TSquare& cursor = extras_.cursor;
    if (!OnBoard(cursor.rank, cursor.file)) {
        const TSquare last = game_.turn.lastMove.Square();
        cursor = OnBoard(last.rank, last.file) ? last : TSquare{1, 1};
    } else {
        // The arrows go up, down, left and right on the screen, however the
        // board is turned.
        const int turns = QuarterTurns();
        TScreenCell cell = ScreenCellOf(turns, cursor.rank, cursor.file);
        cell.row = std::clamp(cell.row - ranks, 0, 7);
        cell.column = std::clamp(cell.column + files, 0, 7);
        cursor = SquareOfCell(turns, cell);
    }
    const QPoint p = SquareCentre(cursor);
    Pointer().Move(p.x(), p.y());
    update();
}

void TKoravinWindow::KeyboardPickOrDrop() {
    if (!OnBoard(extras_.cursor.rank, extras_.cursor.file)) return MoveKeyboardCursor(0, 0);
    const QPoint p = SquareCentre(extras_.cursor);
    TPointerInput& pointer = Pointer();
    pointer.Move(p.x(), p.y());
    if (keyboardHolds_) {
        keyboardHolds_ = false;
        pointer.LeftUp(p.x(), p.y());
    } else {
        pointer.LeftDown(p.x(), p.y());
        // Nothing picked up: the press ends here, as a click would.
        keyboardHolds_ = controller_.PieceHeld();
        if (!keyboardHolds_) pointer.LeftUp(p.x(), p.y());
    }
    update();
}

void TKoravinWindow::PressSquare(TSquare square) {
    if (!controller_.Playing() || !OnBoard(square.rank, square.file)) return;
    extras_.cursor = square;
    KeyboardPickOrDrop();
    UpdateAccessibleText();
}

void TKoravinWindow::KeyboardDropBack() {
    if (!keyboardHolds_) return;
    keyboardHolds_ = false;
    // Put back: nothing moves and the throw is kept.
    const TBoardOrigin origin = BoardOrigin();
    TPointerInput& pointer = Pointer();
    pointer.Move(origin.x + kBoardSize + 5, origin.y + kBoardSize);
    pointer.LeftUp(origin.x + kBoardSize + 5, origin.y + kBoardSize);
    const QPoint back = SquareCentre(extras_.cursor);
    pointer.Move(back.x(), back.y());
    update();
}

void TKoravinWindow::keyPressEvent(QKeyEvent* event) {
    if (!controller_.Playing() || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Each key acts only while the turn awaits its button.
    switch (event->key()) {
        case Qt::Key_T:
            controller_.Throw();
            break;
        case Qt::Key_E:
            controller_.EnterThrow();
            break;
        case Qt::Key_M:
            controller_.MakeComputerMove();
            CloseIfAskedMeanwhile();
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
            // A key held down picks up or drops once: its repeats would
            // take every press of the pointer back to the cursor's square.
            if (!event->isAutoRepeat()) KeyboardPickOrDrop();
            break;
        case Qt::Key_Escape:
            if (moveList_->List().Viewing()) {
                moveList_->ReturnToGame();
                break;
            }
            if (controller_.HintState() != TGameController::THintState::None && !keyboardHolds_) {
                controller_.CancelHint();
                break;
            }
            KeyboardDropBack();
            break;
        case Qt::Key_I:
            if (OnBoard(extras_.cursor.rank, extras_.cursor.file))
                controller_.ShowSquare(extras_.cursor);
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
        text += what.arg(QString::fromStdString(SquareName(square)));
        text += piece.kind == Empty ? tr("empty")
                                    : QString::fromStdString(PieceNameText(piece.army, piece.kind,
                                                                           board.CompanionKind()));
        text += end;
    };
    // "held" belongs to the piece picked up, wherever the cursor has gone.
    const TSquare held = controller_.HeldSquare();
    const bool cursorOnHeld = controller_.PieceHeld() && SquaresEqual(held, extras_.cursor);
    describe(tr(" Cursor on %1%2: "), extras_.cursor,
             cursorOnHeld ? tr(", held.") : QStringLiteral("."));
    if (controller_.PieceHeld() && !cursorOnHeld)
        describe(tr(" Holding %1%2: "), held, QStringLiteral("."));
    if (controller_.PieceHeld()) {
        const TPieceDestinations& moves = controller_.HeldDestinations();
        text += moves.count == 0 ? tr(" It has no move.") : tr(" It may go to");
        for (const SquareRecord& to : moves)
            text += QStringLiteral(" %1%2").arg(QChar('A' + to.file - 1)).arg(to.rank);
        if (moves.count > 0) text += QStringLiteral(".");
    } else if (const TPickUpNote note = controller_.PickUpNote(); !note.Empty()) {
        text += QStringLiteral(" %1 %2.").arg(QString::fromStdString(note.first),
                                              QString::fromStdString(note.second));
    }
    describe(tr(" The panel shows %1%2: "), game_.turn.lastMove.Square(), QStringLiteral("."));
    if (controller_.HintState() == TGameController::THintState::Thinking) {
        text += tr(" The Seer is looking for a move; Escape cancels.");
    } else if (controller_.HintState() == TGameController::THintState::Shown) {
        const TSeerAnswer& hint = controller_.Hint();
        text += tr(" Hint: %1 to %2, expected score %3.")
                    .arg(QString::fromStdString(SquareName(hint.from.Square())),
                         QString::fromStdString(SquareName(hint.to.Square())),
                         HintScoreText(hint.value));
    }
    if (text == accessibleDescription()) return;
    setAccessibleDescription(text);
    QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace vaeloric
