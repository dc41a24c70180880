// SPDX-License-Identifier: GPL-3.0-or-later

// The emblems of the fifteen pyramid rulers, one small sign each.
#include <cmath>

#include "render/pictures/art.h"
#include "render/pictures/art_common.h"

namespace vaeloric::art {
namespace {

void Outline(QPainter& painter, double width) {
    painter.setPen(QPen(ink::kKohl, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void Feather(QPainter& painter, const QRectF& b, const QColor& fill) {
    QPainterPath feather;
    feather.moveTo(b.center().x() - b.width() * 0.1, b.bottom());
    feather.cubicTo(b.left(), b.bottom() - b.height() * 0.4, b.left() + b.width() * 0.1,
                    b.top() + b.height() * 0.2, b.center().x() + b.width() * 0.1, b.top());
    feather.cubicTo(b.right(), b.top() + b.height() * 0.3, b.right() - b.width() * 0.1,
                    b.bottom() - b.height() * 0.3, b.center().x() + b.width() * 0.1, b.bottom());
    feather.closeSubpath();
    painter.setBrush(fill);
    painter.drawPath(feather);
}

void Disk(QPainter& painter, QPointF c, double r, const QColor& fill) {
    painter.setBrush(fill);
    painter.drawEllipse(c, r, r);
}

}  // namespace

void DrawRulerEmblem(QPainter& painter, int ruler, const QRectF& b) {
    const double w = b.width(), h = b.height(), line = std::max(0.9, w * 0.06);
    const QPointF c = b.center();
    painter.save();
    Outline(painter, line);
    switch (ruler) {
        case 1:
            DrawDjed(painter, b, ink::kTurquoise);
            break;
        case 2:
            DrawAnkh(painter, b, ink::kGold);
            break;
        case 3:
            Disk(painter, c, w * 0.48, ink::kLapis);
            DrawStar(painter, c, w * 0.38, ink::kGoldPale);
            break;
        case 4:
            DrawEye(painter, b.adjusted(0, h * 0.2, 0, -h * 0.1), ink::kLapisDeep);
            break;
        case 5: {
            QPainterPath crescent;
            crescent.addEllipse(QPointF(c.x(), c.y() + h * 0.1), w * 0.45, w * 0.45);
            QPainterPath bite;
            bite.addEllipse(QPointF(c.x(), c.y() - h * 0.05), w * 0.45, w * 0.4);
            painter.setBrush(ink::kHalo);
            painter.drawPath(crescent.subtracted(bite));
            Disk(painter, QPointF(c.x(), c.y() - h * 0.05), w * 0.24, ink::kGoldPale);
            break;
        }
        case 6: {
            QPainterPath horns;
            horns.moveTo(c.x(), b.bottom() - h * 0.1);
            horns.cubicTo(b.left() - w * 0.05, b.bottom() - h * 0.1, b.left(), b.top() + h * 0.2,
                          c.x() - w * 0.25, b.top());
            horns.moveTo(c.x(), b.bottom() - h * 0.1);
            horns.cubicTo(b.right() + w * 0.05, b.bottom() - h * 0.1, b.right(), b.top() + h * 0.2,
                          c.x() + w * 0.25, b.top());
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(ink::kKohl, w * 0.16, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(horns);
            painter.setPen(QPen(ink::kHalo, w * 0.08, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(horns);
            Outline(painter, line);
            Disk(painter, QPointF(c.x(), c.y() + h * 0.05), w * 0.26, ink::kCarnelian);
            break;
        }
        case 7:
            DrawWas(painter, b, ink::kLapis);
            break;
        case 8:
            Feather(painter, b.adjusted(w * 0.2, 0, -w * 0.2, 0), ink::kHalo);
            break;
        case 9:
            Disk(painter, QPointF(c.x(), c.y() - h * 0.08), w * 0.36, ink::kCarnelian);
            painter.setBrush(ink::kGold);
            painter.drawRoundedRect(QRectF(c.x() - w * 0.08, c.y() + h * 0.22, w * 0.16, h * 0.28),
                                    w * 0.08, w * 0.08);
            break;
        case 10:
            painter.setBrush(Qt::NoBrush);
            painter.setPen(
                QPen(ink::kLapis, line * 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            for (int row = 0; row < 3; ++row) {
                QPolygonF wave;
                const double y = b.top() + h * (0.25 + row * 0.25);
                for (int i = 0; i <= 6; ++i)
                    wave << QPointF(b.left() + w * i / 6.0, y + (i % 2 ? -h * 0.08 : h * 0.08));
                painter.drawPolyline(wave);
            }
            break;
        case 11:
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(ink::kKohl, w * 0.2));
            painter.drawEllipse(QPointF(c.x(), c.y() - h * 0.08), w * 0.32, w * 0.32);
            painter.setPen(QPen(ink::kGold, w * 0.11));
            painter.drawEllipse(QPointF(c.x(), c.y() - h * 0.08), w * 0.32, w * 0.32);
            Outline(painter, line);
            painter.setBrush(ink::kGold);
            painter.drawRect(
                QRectF(b.left() + w * 0.12, b.bottom() - h * 0.16, w * 0.76, h * 0.14));
            break;
        case 12:
            Feather(painter, QRectF(b.left() + w * 0.12, b.top(), w * 0.38, h), ink::kGold);
            Feather(painter, QRectF(b.right() - w * 0.5, b.top(), w * 0.38, h), ink::kCarnelian);
            break;
        case 13: {
            QPainterPath wings;
            wings.moveTo(c.x(), c.y());
            wings.cubicTo(c.x() - w * 0.3, c.y() - h * 0.3, b.left() - w * 0.1, c.y() - h * 0.2,
                          b.left() - w * 0.1, c.y() + h * 0.05);
            wings.cubicTo(b.left() + w * 0.2, c.y() + h * 0.1, c.x() - w * 0.2, c.y() + h * 0.2,
                          c.x(), c.y() + h * 0.1);
            wings.cubicTo(c.x() + w * 0.2, c.y() + h * 0.2, b.right() - w * 0.2, c.y() + h * 0.1,
                          b.right() + w * 0.1, c.y() + h * 0.05);
            wings.cubicTo(b.right() + w * 0.1, c.y() - h * 0.2, c.x() + w * 0.3, c.y() - h * 0.3,
                          c.x(), c.y());
            painter.setBrush(ink::kTurquoise);
            painter.drawPath(wings);
            Disk(painter, c, w * 0.2, ink::kCarnelian);
            break;
        }
        case 14: {
            QPainterPath jar;
            jar.moveTo(c.x() - w * 0.18, b.top() + h * 0.08);
            jar.lineTo(c.x() + w * 0.18, b.top() + h * 0.08);
            jar.cubicTo(c.x() + w * 0.12, b.top() + h * 0.3, b.right(), b.top() + h * 0.4,
                        c.x() + w * 0.3, b.bottom());
            jar.lineTo(c.x() - w * 0.3, b.bottom());
            jar.cubicTo(b.left(), b.top() + h * 0.4, c.x() - w * 0.12, b.top() + h * 0.3,
                        c.x() - w * 0.18, b.top() + h * 0.08);
            jar.closeSubpath();
            painter.setBrush(ink::kCarnelian);
            painter.drawPath(jar);
            break;
        }
        default: {
            // Papyrus: a stem crowned by its fan of rays.
            painter.setBrush(ink::kTurquoise);
            QPainterPath umbel;
            umbel.moveTo(c.x(), c.y());
            umbel.lineTo(b.left() + w * 0.05, b.top() + h * 0.08);
            umbel.quadTo(c.x(), b.top() - h * 0.08, b.right() - w * 0.05, b.top() + h * 0.08);
            umbel.closeSubpath();
            painter.drawPath(umbel);
            painter.drawRect(QRectF(c.x() - w * 0.07, c.y(), w * 0.14, h * 0.5));
            break;
        }
    }
    painter.restore();
}

}  // namespace vaeloric::art
