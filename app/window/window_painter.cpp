#include "app/window/window_painter.h"

namespace vaeloric {

QColor BackgroundColour(TBackground background) {
    switch (background) {
        case TBackground::LightGreen: return QColor(0, 255, 0);
        case TBackground::DarkGreen: return QColor(17, 170, 17);
        case TBackground::White: return QColor(255, 255, 255);
        case TBackground::Orange: return QColor(255, 160, 0);
        case TBackground::Purple: return QColor(208, 18, 239);
        case TBackground::Black: return QColor(0, 0, 0);
    }
    return QColor(0, 255, 0);
}

void PaintGameWindow(QPainter& painter, const QRect& client, const TGameController& controller,
                     const TPictureCatalogue& pictures, bool) {
    painter.fillRect(client, BackgroundColour(controller.Options().background));
    const TGameSession& game = controller.Game();
    const int x0 = controller.OriginX(), y0 = controller.OriginY();
    for (int row = 0; row < 8; ++row)
        for (int column = 0; column < 8; ++column) {
            const QRect square(x0 + 50 * column, y0 + 50 * row, 50, 50);
            painter.fillRect(square, (row + column) % 2 ? QColor(90, 120, 160) : QColor(220, 220, 200));
            const TPiece piece = game.board.GetPiece(8 - row, column + 1);
            if (piece.kind != Empty)
                painter.drawText(square, Qt::AlignCenter,
                                 QString("%1%2").arg(piece.army).arg(piece.kind));
        }
    const TTurnState& turn = game.turn;
    if (turn.throwValue == 0) {
        painter.drawPixmap(7, 101, pictures.Picture(turn.throwPressed && turn.overThrow ? 1901 : 1900));
        painter.drawPixmap(7, 132, pictures.Picture(turn.enterPressed && turn.overEnter ? 1906 : 1905));
    } else {
        painter.drawText(QRect(4, 60, 68, 30), Qt::AlignCenter, QString::number(turn.throwValue));
        painter.drawPixmap(7, 111, pictures.Picture(turn.movePressed && turn.overMove ? 1911 : 1910));
    }
    painter.drawText(QRect(4, 4, 68, 50), Qt::AlignCenter,
                     QString("army %1").arg(game.board.armyToMove));
}

}  // namespace vaeloric
