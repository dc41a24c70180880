// SPDX-License-Identifier: GPL-3.0-or-later

// Dice, picture buttons, cursors and the program icon.
#include <QLinearGradient>

#include "render/pictures/art.h"
#include "render/pictures/art_common.h"
#include "render/pictures/square_lore.h"

namespace vaeloric::art {
namespace {

void DrawPips(QPainter& painter, const QRectF& face, int value, double radius, const QColor& colour,
              const QColor& one) {
    static constexpr int kPips[7][6][2] = {
        {},
        {{1, 1}},
        {{0, 0}, {2, 2}},
        {{0, 0}, {1, 1}, {2, 2}},
        {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
        {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
        {{0, 0}, {2, 0}, {0, 1}, {2, 1}, {0, 2}, {2, 2}},
    };
    painter.save();
    painter.setPen(Qt::NoPen);
    const double step = face.width() / 4;
    for (int i = 0; i < value; ++i) {
        const QPointF at(face.left() + step * (1 + kPips[value][i][0]),
                         face.top() + step * (1 + kPips[value][i][1]));
        const double r = value == 1 ? radius * 1.5 : radius;
        painter.setBrush(value == 1 ? one : colour);
        painter.drawEllipse(at, r, r);
        painter.setBrush(QColor(255, 255, 255, 70));
        painter.drawEllipse(at + QPointF(-r * 0.3, -r * 0.3), r * 0.35, r * 0.35);
    }
    painter.restore();
}

void DrawDie(QPainter& painter, const QRectF& box, int value, double lineWidth) {
    painter.save();
    QLinearGradient ivory(box.topLeft(), box.bottomRight());
    ivory.setColorAt(0, ink::kHalo);
    ivory.setColorAt(1, Shade(ink::kLimestone, 0.88));
    painter.setPen(QPen(ink::kKohl, lineWidth));
    painter.setBrush(ivory);
    const double corner = box.width() * 0.18;
    painter.drawRoundedRect(box, corner, corner);
    DrawPips(painter, box, value, box.width() * 0.09, ink::kLapisDeep, ink::kCarnelian);
    painter.restore();
}

// Button ground: a faience plaque, raised when up and sunk when down.
void DrawPlaque(QPainter& painter, const QRectF& area, bool down) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kKohl);
    painter.drawRect(area);
    const QRectF rim = area.adjusted(1, 1, -1, -1);
    painter.setBrush(down ? ink::kGoldDeep : ink::kGold);
    painter.drawRect(rim);
    const QRectF face = rim.adjusted(2, 2, -2, -2);
    QLinearGradient glaze(face.topLeft(), face.bottomLeft());
    glaze.setColorAt(0, down ? ink::kLapisDeep : Shade(ink::kLapis, 1.25));
    glaze.setColorAt(1, down ? ink::kLapis : ink::kLapisDeep);
    painter.setBrush(glaze);
    painter.drawRect(face);
    // Bevel: light from the top left when raised, from below when pressed.
    const QColor light(255, 255, 255, 110), dark(0, 0, 0, 120);
    painter.setPen(QPen(down ? dark : light, 1));
    painter.drawLine(face.topLeft() + QPointF(0.5, 0.5), face.topRight() + QPointF(-0.5, 0.5));
    painter.drawLine(face.topLeft() + QPointF(0.5, 0.5), face.bottomLeft() + QPointF(0.5, -0.5));
    painter.setPen(QPen(down ? light : dark, 1));
    painter.drawLine(face.bottomLeft() + QPointF(0.5, -0.5),
                     face.bottomRight() + QPointF(-0.5, -0.5));
    painter.drawLine(face.topRight() + QPointF(-0.5, 0.5),
                     face.bottomRight() + QPointF(-0.5, -0.5));
    painter.restore();
}

}  // namespace

void PaintDieFace(QPainter& painter, const QRectF& area, int face) {
    DrawDie(painter, area.adjusted(1, 1, -1, -1), face, 1.6);
}

void PaintButton(QPainter& painter, const QRectF& area, int button, bool down) {
    DrawPlaque(painter, area, down);
    const QPointF shift = down ? QPointF(1, 1) : QPointF(0, 0);
    const QColor text = down ? Shade(ink::kGoldPale, 0.9) : ink::kGoldPale;
    if (button == 2) {
        // MOVE: a gilded chessman striding forward, and the word.
        painter.save();
        painter.translate(shift);
        MapDesignBox(painter, QRectF(area.left() + 8, area.top() + 4, 26, 26));
        DrawFigure(painter, ChessmanPath(6), ink::kGold, 5, 0);
        painter.restore();
        painter.save();
        painter.translate(shift);
        painter.setPen(QPen(ink::kGold, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        const double y = area.top() + 17;
        painter.drawLine(QPointF(area.left() + 36, y), QPointF(area.left() + 52, y));
        painter.drawLine(QPointF(area.left() + 47, y - 5), QPointF(area.left() + 52, y));
        painter.drawLine(QPointF(area.left() + 47, y + 5), QPointF(area.left() + 52, y));
        painter.restore();
        DrawFittedText(
            painter,
            QRectF(area.left() + 4, area.top() + 30, area.width() - 8, 16).translated(shift),
            QStringLiteral("MOVE"), SansFont(14), text);
        return;
    }
    // THROW and ENTER: a small die and the word.
    const QRectF die(area.left() + 6, area.top() + 7, 15, 15);
    painter.save();
    painter.translate(die.center() + shift);
    painter.rotate(button == 0 ? -18 : 0);
    DrawDie(painter, QRectF(-7.5, -7.5, 15, 15), button == 0 ? 5 : 3, 1.0);
    painter.restore();
    DrawFittedText(painter,
                   QRectF(area.left() + 23, area.top() + 4, area.width() - 29, area.height() - 8)
                       .translated(shift),
                   button == 0 ? QStringLiteral("THROW") : QStringLiteral("ENTER"), SansFont(11),
                   text);
}

void PaintCursor(QPainter& painter, const QRectF& area, int id) {
    painter.save();
    if (id == 1001) {
        // A gilded pointer with an ankh at its tail; the hot spot is the tip.
        QPolygonF arrow({QPointF(3, 3), QPointF(3, 23), QPointF(8.5, 18), QPointF(12.5, 27),
                         QPointF(16, 25.5), QPointF(12, 16.5), QPointF(19, 16.5)});
        painter.setPen(QPen(ink::kHalo, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolygon(arrow);
        painter.setPen(QPen(ink::kKohl, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(ink::kGold);
        painter.drawPolygon(arrow);
        DrawAnkh(painter, QRectF(19, 17, 10, 13), ink::kTurquoise);
        painter.restore();
        return;
    }
    static constexpr int kKinds[10] = {0, 0, 1, 5, 6, 7, 8, 0, 0, 9};
    MapDesignBox(painter, area.adjusted(2, 2, -2, -2));
    DrawFigure(painter, ChessmanPath(kKinds[id - 1000]), ink::kGold, 4.5, 4);
    painter.restore();
}

void PaintIcon(QPainter& painter, const QRectF& area, char letter) {
    // A pyramid seen from above on a lapis tile: its four sides in the four
    // elements, its top in the program's own.
    painter.save();
    const double s = area.width();
    painter.setPen(QPen(ink::kKohl, std::max(1.0, s / 40)));
    painter.setBrush(ink::kLapisDeep);
    painter.drawRoundedRect(area.adjusted(s * 0.02, s * 0.02, -s * 0.02, -s * 0.02), s * 0.16,
                            s * 0.16);
    const QRectF cell = area.adjusted(s * 0.12, s * 0.12, -s * 0.12, -s * 0.12);
    const QRectF top = cell.adjusted(cell.width() * 0.26, cell.height() * 0.26,
                                     -cell.width() * 0.26, -cell.height() * 0.26);
    auto side = [&](TElement element, double shade, QPolygonF polygon) {
        painter.setBrush(Shade(ElementTone(element), shade));
        painter.drawPolygon(polygon);
    };
    painter.setPen(QPen(ink::kKohl, std::max(0.6, s / 64)));
    side(TElement::Air, 1.15,
         QPolygonF({cell.topLeft(), cell.topRight(), top.topRight(), top.topLeft()}));
    side(TElement::Water, 0.9,
         QPolygonF({cell.topRight(), cell.bottomRight(), top.bottomRight(), top.topRight()}));
    side(TElement::Fire, 0.8,
         QPolygonF({cell.bottomRight(), cell.bottomLeft(), top.bottomLeft(), top.bottomRight()}));
    side(TElement::Earth, 1.05,
         QPolygonF({cell.bottomLeft(), cell.topLeft(), top.topLeft(), top.bottomLeft()}));
    painter.setBrush(ink::kGold);
    painter.drawRect(top);
    painter.setBrush(Shade(ElementTone(BoardElement(letter)), 1.35));
    painter.drawRect(top.adjusted(top.width() * 0.1, top.height() * 0.1, -top.width() * 0.1,
                                  -top.height() * 0.1));
    painter.restore();
    if (s >= 24) {
        DrawElementSymbol(painter, BoardElement(letter),
                          top.adjusted(top.width() * 0.18, top.height() * 0.18, -top.width() * 0.18,
                                       -top.height() * 0.18),
                          ink::kKohl, std::max(1.0, s / 36));
    }
}

}  // namespace vaeloric::art
