// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/move_marks.h"

#include "game/check.h"
#include "game/dice_rule.h"

namespace vaeloric {

QColor MoverColour(std::int32_t army) {
    switch (army) {
        case 1:
            return QColor(255, 0, 0);
        case 2:
            return QColor(0, 0, 0);
        case 3:
            return QColor(255, 230, 0);
        case 4:
            return QColor(0, 60, 255);
        default:
            return QColor(128, 128, 128);
    }
}

void DrawLastMoveFrames(QPainter& painter, const TTurnState& turn, TBoardOrigin origin) {
    if (turn.mover == 0 || !OnBoard(turn.moveFrom.rank, turn.moveFrom.file) ||
        !OnBoard(turn.moveTo.rank, turn.moveTo.file))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // The coloured frame runs between a dark line outside and a light line
    // inside, so that it shows on every square: Air's yellow on yellow
    // squares, Earth's black on dark ones, Water's blue on blue.
    QColor frame = MoverColour(turn.mover);
    frame.setAlpha(230);
    const QColor dark(20, 20, 20, 220), light(255, 255, 255, 220);
    for (TSquare square : {turn.moveFrom, turn.moveTo}) {
        const TPixel corner = SquareCornerOf(origin, square.rank, square.file);
        const QRectF box(corner.x, corner.y, kSquareSize, kSquareSize);
        painter.setPen(QPen(dark, 1.6));
        painter.drawRect(box.adjusted(1.2, 1.2, -1.2, -1.2));
        painter.setPen(QPen(light, 1.6));
        painter.drawRect(box.adjusted(5.2, 5.2, -5.2, -5.2));
        painter.setPen(QPen(frame, 2.6));
        painter.drawRect(box.adjusted(3.2, 3.2, -3.2, -3.2));
    }
    painter.restore();
}

bool ArmyInCheck(const TBoard& board, std::int32_t army) {
    TSquare king{0, 0};
    return FindKing(board, army, king) && KingAttacked(board, army);
}

void DrawCheckMarks(QPainter& painter, const TBoard& board, TBoardOrigin origin) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    for (std::int32_t army = 1; army <= 4; ++army) {
        TSquare king{0, 0};
        if (!FindKing(board, army, king) || !KingAttacked(board, army)) continue;
        const TPixel corner = SquareCornerOf(origin, king.rank, king.file);
        const QPointF centre(corner.x + kSquareSize / 2.0, corner.y + kSquareSize / 2.0);
        painter.setPen(QPen(QColor(255, 255, 255), 6));
        painter.drawEllipse(centre, 21.5, 21.5);
        painter.setPen(QPen(QColor(220, 0, 0), 3.5));
        painter.drawEllipse(centre, 21.5, 21.5);
        // A small "+" badge in the top-left corner says "check" in the
        // chess diagram way.
        const QRectF badge(corner.x + 1, corner.y + 1, 14, 14);
        painter.setPen(QPen(Qt::white, 1.2));
        painter.setBrush(QColor(220, 0, 0));
        painter.drawEllipse(badge);
        painter.setPen(QPen(Qt::white, 2.2));
        painter.drawLine(QPointF(badge.center().x(), badge.top() + 3.5),
                         QPointF(badge.center().x(), badge.bottom() - 3.5));
        painter.drawLine(QPointF(badge.left() + 3.5, badge.center().y()),
                         QPointF(badge.right() - 3.5, badge.center().y()));
        painter.setBrush(Qt::NoBrush);
    }
    painter.restore();
}

}  // namespace vaeloric
