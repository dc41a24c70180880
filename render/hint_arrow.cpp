// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/hint_arrow.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace vaeloric {

namespace {

// Bright enough to read over every square colour and piece, with a dark
// edge for the light squares.
const QColor kArrowFill(255, 196, 0, 215);
const QColor kArrowEdge(40, 30, 0, 230);

QPointF CentreOf(TBoardOrigin origin, TSquare square) {
    const TPixel corner = SquareCornerOf(origin, square.rank, square.file);
    return QPointF(corner.x + kSquareSize / 2.0, corner.y + kSquareSize / 2.0);
}

QFont LabelFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(14);
    font.setBold(true);
    return font;
}

}  // namespace

QString HintScoreText(double value) {
    const double rounded = std::round(value * 10.0) / 10.0;
    if (rounded == 0.0) return QStringLiteral("0.0");
    return (rounded > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) +
           QString::number(std::fabs(rounded), 'f', 1);
}

void DrawHintArrow(QPainter& painter, TBoardOrigin origin, TSquare from, TSquare to,
                   const QString& label) {
    const QPointF start = CentreOf(origin, from);
    const QPointF end = CentreOf(origin, to);
    const QPointF delta = end - start;
    const double length = std::hypot(delta.x(), delta.y());
    if (length < 1) return;
    const QPointF along = delta / length;
    const QPointF across(-along.y(), along.x());
    // The shaft starts off the piece's centre and the head stops short of
    // the destination's centre, so both pieces stay visible.
    const double shaft = 5, head = 14, headLength = 20;
    const QPointF tail = start + along * 12.0;
    const QPointF tip = end - along * 6.0;
    const QPointF neck = tip - along * headLength;
    QPainterPath arrow;
    arrow.moveTo(tail + across * shaft);
    arrow.lineTo(neck + across * shaft);
    arrow.lineTo(neck + across * head);
    arrow.lineTo(tip);
    arrow.lineTo(neck - across * head);
    arrow.lineTo(neck - across * shaft);
    arrow.lineTo(tail - across * shaft);
    arrow.closeSubpath();

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(kArrowEdge, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(kArrowFill);
    painter.drawPath(arrow);

    if (!label.isEmpty()) {
        painter.setFont(LabelFont());
        const QFontMetricsF metrics(painter.font());
        const QSizeF size(metrics.horizontalAdvance(label) + 14, metrics.height() + 6);
        // Beyond the destination square, on the arrow's line, inside the board.
        QPointF centre = end + along * (kSquareSize * 0.5 + size.height() * 0.5 + 2);
        const double left = origin.x + size.width() / 2 + 2;
        const double right = origin.x + kBoardSize - size.width() / 2 - 2;
        const double top = origin.y + size.height() / 2 + 2;
        const double bottom = origin.y + kBoardSize - size.height() / 2 - 2;
        centre.setX(std::clamp(centre.x(), left, right));
        centre.setY(std::clamp(centre.y(), top, bottom));
        const QRectF box(centre.x() - size.width() / 2, centre.y() - size.height() / 2,
                         size.width(), size.height());
        painter.setPen(QPen(kArrowEdge, 1.5));
        painter.setBrush(QColor(255, 250, 230, 240));
        painter.drawRoundedRect(box, 6, 6);
        painter.setPen(QColor(20, 20, 20));
        painter.drawText(box, Qt::AlignCenter, label);
    }
    painter.restore();
}

void DrawHintStrip(QPainter& painter, TBoardOrigin origin, const QString& text) {
    // At the top, as the banner of a past turn: the mover sits at the bottom.
    const QRect strip(origin.x, origin.y + 4, kBoardSize, 30);
    painter.save();
    painter.fillRect(strip, QColor(40, 30, 0, 215));
    painter.setPen(QColor(255, 214, 90));
    QFont font = LabelFont();
    font.setPixelSize(16);
    painter.setFont(font);
    painter.drawText(strip, Qt::AlignCenter, text);
    painter.restore();
}

}  // namespace vaeloric
