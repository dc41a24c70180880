// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/pictures/art_common.h"

#include <QFontMetricsF>
#include <QImage>
#include <QLinearGradient>
#include <algorithm>
#include <cmath>

namespace vaeloric::art {

QColor ArmyColour(int army) {
    switch (army) {
        case 1:
            return QColor(0xd2, 0x22, 0x1a);
        case 2:
            return QColor(0x22, 0x1d, 0x1a);
        case 3:
            return QColor(0xf5, 0xcb, 0x1d);
        case 4:
            return QColor(0x1d, 0x4c, 0xd0);
        default:
            return ink::kGold;
    }
}

QColor ArmyDetail(int army) {
    switch (army) {
        case 1:
            return QColor(0xff, 0xe2, 0x8a);
        case 2:
            return ink::kGold;
        case 3:
            return QColor(0x6a, 0x38, 0x08);
        case 4:
            return QColor(0xff, 0xdc, 0x6a);
        default:
            return ink::kLapisDeep;
    }
}

QColor ElementTone(TElement element) {
    switch (element) {
        case TElement::Fire:
            return QColor(0xc0, 0x5a, 0x3a);
        case TElement::Earth:
            return QColor(0x6f, 0x7d, 0x45);
        case TElement::Air:
            return QColor(0xdc, 0xb9, 0x5a);
        case TElement::Water:
            return QColor(0x3f, 0x7a, 0xa8);
    }
    return ink::kSand;
}

QColor Shade(const QColor& colour, double factor) {
    auto channel = [factor](int value) {
        const double v = factor >= 1 ? value + (255 - value) * (factor - 1) : value * factor;
        return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
    };
    return QColor(channel(colour.red()), channel(colour.green()), channel(colour.blue()),
                  colour.alpha());
}

QFont SerifFont(double pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

QFont SansFont(double pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

void MapDesignBox(QPainter& painter, const QRectF& target, double designWidth,
                  double designHeight) {
    const double scale = std::min(target.width() / designWidth, target.height() / designHeight);
    painter.translate(target.center().x() - designWidth * scale / 2,
                      target.center().y() - designHeight * scale / 2);
    painter.scale(scale, scale);
}

void DrawFigure(QPainter& painter, const QPainterPath& path, const QColor& fill, double outline,
                double halo) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    if (halo > 0) {
        painter.setPen(
            QPen(ink::kHalo, outline + 2 * halo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    }
    painter.setPen(QPen(ink::kKohl, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour) {
    painter.save();
    QFont fitted = font;
    const double width = QFontMetricsF(fitted).horizontalAdvance(text);
    if (width > box.width() && width > 0) {
        fitted.setStretch(std::max(50, static_cast<int>(100 * box.width() / width)));
    }
    painter.setFont(fitted);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

void DrawZodiacSign(QPainter& painter, int sign, const QRectF& box, const QColor& colour) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString(QChar(0x2648 + sign)));
    const QRectF bounds = glyph.boundingRect();
    if (bounds.isEmpty()) return;
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    painter.save();
    painter.translate(box.center());
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(glyph);
    painter.restore();
}

void DrawElementSymbol(QPainter& painter, TElement element, const QRectF& box, const QColor& colour,
                       double width) {
    const bool up = element == TElement::Fire || element == TElement::Air;
    const bool bar = element == TElement::Air || element == TElement::Earth;
    const double side = std::min(box.width(), box.height()) - width;
    const double h = side * 0.87;
    const QPointF c = box.center();
    QPolygonF triangle;
    if (up) {
        triangle << QPointF(c.x(), c.y() - h / 2) << QPointF(c.x() + side / 2, c.y() + h / 2)
                 << QPointF(c.x() - side / 2, c.y() + h / 2);
    } else {
        triangle << QPointF(c.x(), c.y() + h / 2) << QPointF(c.x() + side / 2, c.y() - h / 2)
                 << QPointF(c.x() - side / 2, c.y() - h / 2);
    }
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(triangle);
    if (bar) {
        const double y = c.y() + (up ? h / 10 : -h / 10);
        painter.drawLine(QPointF(c.x() - side * 0.42, y), QPointF(c.x() + side * 0.42, y));
    }
    painter.restore();
}

void DrawSquareSign(QPainter& painter, const TSquareLore& lore, const QRectF& box,
                    const QColor& colour, double width) {
    if (lore.zodiacSign >= 0) {
        DrawZodiacSign(painter, lore.zodiacSign, box, colour);
    } else {
        DrawElementSymbol(painter, lore.element, box, colour, width);
    }
}

void DrawGeomanticFigure(QPainter& painter, const int rows[4], const QRectF& box,
                         const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double step = box.height() / 4;
    const double r = std::min(step, box.width() / 3) * 0.28;
    for (int row = 0; row < 4; ++row) {
        const double y = box.top() + step * (row + 0.5);
        if (rows[row] == 1) {
            painter.drawEllipse(QPointF(box.center().x(), y), r, r);
        } else {
            painter.drawEllipse(QPointF(box.center().x() - box.width() / 4.5, y), r, r);
            painter.drawEllipse(QPointF(box.center().x() + box.width() / 4.5, y), r, r);
        }
    }
    painter.restore();
}

void DrawAnkh(QPainter& painter, const QRectF& b, const QColor& fill) {
    QPainterPath ankh;
    const double w = b.width(), h = b.height();
    const double bar = h * 0.42, stem = w * 0.16;
    QPainterPath loop;
    loop.addEllipse(QRectF(b.left() + w * 0.25, b.top(), w * 0.5, h * 0.4));
    QPainterPath hole;
    hole.addEllipse(QRectF(b.left() + w * 0.36, b.top() + h * 0.07, w * 0.28, h * 0.27));
    ankh.addRect(QRectF(b.left(), b.top() + bar - h * 0.02, w, h * 0.1));
    ankh.addRect(QRectF(b.center().x() - stem / 2, b.top() + bar, stem, h - bar));
    ankh = ankh.united(loop).subtracted(hole);
    painter.save();
    painter.setPen(QPen(ink::kKohl, std::max(0.8, w * 0.05)));
    painter.setBrush(fill);
    painter.drawPath(ankh.simplified());
    painter.restore();
}

void DrawDjed(QPainter& painter, const QRectF& b, const QColor& fill) {
    const double w = b.width(), h = b.height();
    QPainterPath djed;
    djed.addRect(QRectF(b.center().x() - w * 0.17, b.top() + h * 0.1, w * 0.34, h * 0.9));
    for (int i = 0; i < 4; ++i) {
        djed.addRect(QRectF(b.left() + w * 0.1, b.top() + h * (0.08 + i * 0.1), w * 0.8, h * 0.06));
    }
    painter.save();
    painter.setPen(QPen(ink::kKohl, std::max(0.8, w * 0.05)));
    painter.setBrush(fill);
    painter.drawPath(djed.simplified());
    painter.restore();
}

void DrawWas(QPainter& painter, const QRectF& b, const QColor& fill) {
    const double w = b.width(), h = b.height();
    QPainterPath was;
    const double x = b.center().x();
    was.moveTo(x - w * 0.06, b.bottom() - h * 0.1);
    was.lineTo(x - w * 0.2, b.bottom());
    was.lineTo(x - w * 0.04, b.bottom());
    was.lineTo(x + w * 0.04, b.bottom() - h * 0.08);
    was.lineTo(x + w * 0.05, b.top() + h * 0.16);
    was.lineTo(x + w * 0.32, b.top() + h * 0.08);
    was.lineTo(x + w * 0.1, b.top());
    was.lineTo(x - w * 0.06, b.top() + h * 0.1);
    was.closeSubpath();
    painter.save();
    painter.setPen(
        QPen(ink::kKohl, std::max(0.8, w * 0.04), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(was);
    painter.restore();
}

void DrawEye(QPainter& painter, const QRectF& b, const QColor& colour) {
    const double w = b.width(), h = b.height();
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(
        QPen(colour, std::max(0.8, h * 0.1), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath lid;
    lid.moveTo(b.left(), b.top() + h * 0.35);
    lid.quadTo(b.left() + w * 0.45, b.top() - h * 0.05, b.left() + w * 0.9, b.top() + h * 0.35);
    lid.quadTo(b.left() + w * 0.45, b.top() + h * 0.7, b.left() + w * 0.1, b.top() + h * 0.38);
    painter.drawPath(lid);
    QPainterPath brow;
    brow.moveTo(b.left() + w * 0.05, b.top() + h * 0.08);
    brow.quadTo(b.left() + w * 0.5, b.top() - h * 0.15, b.right(), b.top() + h * 0.1);
    painter.drawPath(brow);
    QPainterPath tear;
    tear.moveTo(b.left() + w * 0.4, b.top() + h * 0.55);
    tear.lineTo(b.left() + w * 0.35, b.bottom() - h * 0.05);
    tear.moveTo(b.left() + w * 0.55, b.top() + h * 0.55);
    tear.quadTo(b.left() + w * 0.75, b.bottom(), b.left() + w * 0.9, b.top() + h * 0.75);
    painter.drawPath(tear);
    painter.setBrush(colour);
    painter.drawEllipse(QPointF(b.left() + w * 0.45, b.top() + h * 0.33), h * 0.1, h * 0.1);
    painter.restore();
}

void DrawStar(QPainter& painter, const QPointF& c, double r, const QColor& fill) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double radius = (i % 2 == 0) ? r : r * 0.42;
        star << QPointF(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPolygon(star);
    painter.restore();
}

void DrawFrieze(QPainter& painter, const QRectF& band) {
    const QColor blocks[] = {ink::kLapis, ink::kGold,      ink::kCarnelian,
                             ink::kGold,  ink::kTurquoise, ink::kGold};
    painter.save();
    painter.setPen(Qt::NoPen);
    const double unit = band.height() * 0.9;
    int i = 0;
    for (double x = band.left(); x < band.right() - 0.01; x += unit, ++i) {
        const double w = std::min(unit, band.right() - x);
        painter.setBrush(blocks[i % 6]);
        const bool narrow = i % 2 == 1;
        painter.drawRect(
            QRectF(x + (narrow ? w * 0.3 : 0), band.top(), narrow ? w * 0.4 : w, band.height()));
    }
    painter.setPen(QPen(ink::kKohl, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(band.topLeft(), band.topRight());
    painter.drawLine(band.bottomLeft(), band.bottomRight());
    painter.restore();
}

void DrawShrine(QPainter& painter, const QRectF& area, const QColor& wall) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kKohl);
    painter.drawRect(area);
    const QRectF inner = area.adjusted(2, 2, -2, -2);
    QLinearGradient stone(inner.topLeft(), inner.bottomLeft());
    stone.setColorAt(0, Shade(wall, 1.08));
    stone.setColorAt(1, Shade(wall, 0.9));
    painter.setBrush(stone);
    painter.drawRect(inner);
    // Cavetto cornice: a flaring band of reeds over a torus moulding.
    const double corniceHeight = std::max(10.0, area.width() * 0.1);
    QRectF cornice(inner.left(), inner.top(), inner.width(), corniceHeight);
    QLinearGradient flare(cornice.topLeft(), cornice.bottomLeft());
    flare.setColorAt(0, ink::kGoldPale);
    flare.setColorAt(1, ink::kGoldDeep);
    painter.setBrush(flare);
    painter.drawRect(cornice);
    painter.setPen(QPen(Shade(ink::kGoldDeep, 0.7), 1));
    const double reed = corniceHeight * 0.55;
    for (double x = cornice.left() + reed / 2; x < cornice.right(); x += reed) {
        painter.drawLine(QPointF(x, cornice.top() + 2), QPointF(x, cornice.bottom() - 2));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kLapis);
    painter.drawRect(QRectF(inner.left(), cornice.bottom(), inner.width(), 3));
    painter.setPen(QPen(ink::kKohl, 1));
    painter.drawLine(QPointF(inner.left(), cornice.bottom()),
                     QPointF(inner.right(), cornice.bottom()));
    painter.drawLine(QPointF(inner.left(), cornice.bottom() + 3),
                     QPointF(inner.right(), cornice.bottom() + 3));
    painter.restore();
}

}  // namespace vaeloric::art

namespace vaeloric::art {

void PaintWithHalo(QPainter& painter, const QRectF& area, double haloPixels,
                   const std::function<void(QPainter&, const QRectF&)>& paint, bool glaze) {
    const int pad = static_cast<int>(std::ceil(haloPixels)) + 1;
    const QSize size(static_cast<int>(std::ceil(area.width())) + 2 * pad,
                     static_cast<int>(std::ceil(area.height())) + 2 * pad);
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.setRenderHint(QPainter::Antialiasing);
        paint(layerPainter, QRectF(pad, pad, area.width(), area.height()));
        if (glaze) {
            // Light falls from the upper left on a glazed surface.
            QLinearGradient light(QPointF(pad, pad),
                                  QPointF(pad + area.width(), pad + area.height()));
            light.setColorAt(0, QColor(255, 255, 255, 70));
            light.setColorAt(0.45, QColor(255, 255, 255, 0));
            light.setColorAt(1, QColor(0, 0, 0, 60));
            layerPainter.setCompositionMode(QPainter::CompositionMode_SourceAtop);
            layerPainter.fillRect(layer.rect(), light);
        }
    }
    QImage halo = layer;
    {
        QPainter haloPainter(&halo);
        haloPainter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        haloPainter.fillRect(halo.rect(), ink::kHalo);
    }
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    const QPointF origin = area.topLeft() - QPointF(pad, pad);
    const int steps = 16;
    for (int i = 0; i < steps; ++i) {
        const double a = 2 * M_PI * i / steps;
        painter.drawImage(origin + QPointF(haloPixels * std::cos(a), haloPixels * std::sin(a)),
                          halo);
    }
    painter.drawImage(origin, layer);
    painter.restore();
}

}  // namespace vaeloric::art
