// SPDX-License-Identifier: GPL-3.0-or-later

// The board of truncated pyramids and the two styles of square picture.
#include <QLinearGradient>

#include "game/square.h"
#include "render/pictures/art.h"
#include "render/pictures/art_common.h"

namespace vaeloric::art {
namespace {

struct TPyramid {
    QColor north, east, south, west, top;
};

// Each square is a truncated pyramid seen from above. Its sides carry the
// elements of its correspondences: the north side the board's element, the
// east and west sides the element of the home quarter, the south side the
// element of its sign.
TPyramid PyramidOf(char letter, int rank, int file) {
    const TSquareLore& lore = LoreOf(letter, rank, file);
    const QColor quarter = ElementTone(QuarterElement(rank, file));
    TPyramid pyramid;
    pyramid.north = Shade(ElementTone(BoardElement(letter)), 1.22);
    pyramid.west = Shade(quarter, 1.06);
    pyramid.east = Shade(quarter, 0.84);
    pyramid.south = Shade(ElementTone(lore.element), 0.74);
    pyramid.top = ink::kLimestone;
    return pyramid;
}

void DrawPyramid(QPainter& painter, const QRectF& cell, const TPyramid& pyramid, double topRatio,
                 double lineWidth) {
    const double inset = cell.width() * (1 - topRatio) / 2;
    const QRectF top = cell.adjusted(inset, inset, -inset, -inset);
    const QPointF a = cell.topLeft(), b = cell.topRight(), c = cell.bottomRight(),
                  d = cell.bottomLeft();
    const QPointF ta = top.topLeft(), tb = top.topRight(), tc = top.bottomRight(),
                  td = top.bottomLeft();
    painter.save();
    painter.setPen(Qt::NoPen);
    auto side = [&](const QColor& colour, QPolygonF polygon) {
        painter.setBrush(colour);
        painter.drawPolygon(polygon);
    };
    side(pyramid.north, QPolygonF({a, b, tb, ta}));
    side(pyramid.east, QPolygonF({b, c, tc, tb}));
    side(pyramid.south, QPolygonF({c, d, td, tc}));
    side(pyramid.west, QPolygonF({d, a, ta, td}));
    QLinearGradient light(top.topLeft(), top.bottomRight());
    light.setColorAt(0, Shade(pyramid.top, 1.1));
    light.setColorAt(1, Shade(pyramid.top, 0.93));
    painter.setBrush(light);
    painter.drawRect(top);
    QColor edge = ink::kKohl;
    edge.setAlpha(150);
    painter.setPen(QPen(edge, lineWidth * 0.8));
    painter.drawLine(a, ta);
    painter.drawLine(b, tb);
    painter.drawLine(c, tc);
    painter.drawLine(d, td);
    painter.setPen(QPen(Shade(ink::kKohl, 1.0), lineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(top);
    painter.setPen(QPen(ink::kKohl, lineWidth));
    painter.drawRect(cell.adjusted(lineWidth / 2, lineWidth / 2, -lineWidth / 2, -lineWidth / 2));
    painter.restore();
}

// Small element triangles on the sides of a large pyramid, so that the
// Vaeloric picture says which element each side carries.
void DrawSideSymbols(QPainter& painter, const QRectF& cell, char letter, int rank, int file,
                     double topRatio) {
    const double band = cell.width() * (1 - topRatio) / 2;
    const double s = band * 0.42;
    const QPointF c = cell.center();
    const double off = cell.width() / 2 - band * 0.42;
    const TElement quarter = QuarterElement(rank, file);
    QColor mark = ink::kHalo;
    mark.setAlpha(215);
    DrawElementSymbol(painter, BoardElement(letter),
                      QRectF(c.x() - s / 2, c.y() - off - s / 2, s, s), mark, 1.6);
    DrawElementSymbol(painter, quarter, QRectF(c.x() + off - s / 2, c.y() - s / 2, s, s), mark,
                      1.6);
    DrawElementSymbol(painter, quarter, QRectF(c.x() - off - s / 2, c.y() - s / 2, s, s), mark,
                      1.6);
    DrawElementSymbol(painter, LoreOf(letter, rank, file).element,
                      QRectF(c.x() - s / 2, c.y() + off - s / 2, s, s), mark, 1.6);
}

}  // namespace

void PaintBoard(QPainter& painter, const QRectF& area, char letter) {
    const double cell = area.width() / 8;
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 8; ++column) {
            const int rank = 8 - row, file = column + 1;
            const QRectF square(area.left() + column * cell, area.top() + row * cell, cell, cell);
            DrawPyramid(painter, square, PyramidOf(letter, rank, file), 0.4, 1.0);
            const double glyph = cell * 0.26;
            QColor ink = ink::kKohl;
            ink.setAlpha(170);
            DrawSquareSign(painter, LoreOf(letter, rank, file),
                           QRectF(square.center().x() - glyph / 2, square.center().y() - glyph / 2,
                                  glyph, glyph),
                           ink, 1.1);
        }
    }
    // The four home quarters meet along the middle lines.
    painter.save();
    painter.setPen(QPen(ink::kGold, 2));
    painter.drawLine(QPointF(area.center().x(), area.top()),
                     QPointF(area.center().x(), area.bottom()));
    painter.drawLine(QPointF(area.left(), area.center().y()),
                     QPointF(area.right(), area.center().y()));
    painter.setPen(QPen(ink::kKohl, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(1, 1, -1, -1));
    painter.restore();
}

void PaintVaelericSquare(QPainter& painter, const QRectF& area, char letter, int rank, int file) {
    const double topRatio = 0.44;
    DrawPyramid(painter, area, PyramidOf(letter, rank, file), topRatio, 2.0);
    DrawSideSymbols(painter, area, letter, rank, file, topRatio);
    const double topSide = area.width() * topRatio;
    const QRectF top(area.center().x() - topSide / 2, area.center().y() - topSide / 2, topSide,
                     topSide);
    const TSquareLore& lore = LoreOf(letter, rank, file);
    DrawSquareSign(painter, lore,
                   QRectF(top.left() + topSide * 0.2, top.top() + topSide * 0.1, topSide * 0.6,
                          topSide * 0.55),
                   ElementTone(lore.element).darker(160), 3.0);
    DrawFittedText(painter, QRectF(top.left(), top.top() + topSide * 0.66, topSide, topSide * 0.3),
                   QString::fromStdString(SquareName(TSquare{rank, file})),
                   SerifFont(topSide * 0.24), ink::kKohl);
}

void PaintEnglishSquare(QPainter& painter, const QRectF& area, char letter, int rank, int file) {
    const TSquareLore& lore = LoreOf(letter, rank, file);
    const QColor quarter = ElementTone(QuarterElement(rank, file));
    const QColor signTone = ElementTone(lore.element);
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kKohl);
    painter.drawRect(area);
    painter.setBrush(quarter);
    painter.drawRect(area.adjusted(2, 2, -2, -2));
    const QRectF page = area.adjusted(7, 7, -7, -7);
    painter.setBrush(ink::kPapyrus);
    painter.setPen(QPen(ink::kKohl, 1));
    painter.drawRect(page);

    // Heading: the square's name and its sign.
    const QRectF heading(page.left(), page.top(), page.width(), 40);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Shade(signTone, 1.55));
    painter.drawRect(heading.adjusted(1, 1, 0, 0));
    DrawFittedText(painter, QRectF(heading.left() + 4, heading.top(), 62, heading.height()),
                   QString::fromStdString(SquareName(TSquare{rank, file})), SerifFont(32),
                   ink::kKohl);
    DrawSquareSign(painter, lore, QRectF(heading.right() - 44, heading.top() + 5, 34, 30),
                   signTone.darker(150), 3.0);
    painter.setPen(QPen(ink::kKohl, 1));
    painter.drawLine(heading.bottomLeft(), heading.bottomRight());

    const QColor text = ink::kKohl;
    const double left = page.left() + 6, width = page.width() - 12;
    DrawFittedText(painter, QRectF(left, heading.bottom() + 3, width, 17),
                   QString::fromLatin1(lore.signName), SansFont(14),
                   lore.element == TElement::Air ? QColor(0x7a, 0x5a, 0x0c) : signTone.darker(170));
    DrawFittedText(painter, QRectF(left, heading.bottom() + 21, width, 17),
                   QString::fromLatin1(lore.trumpNumeral) + QStringLiteral("  ") +
                       QString::fromLatin1(lore.trumpName),
                   SerifFont(14), text);
    // Geomantic figure with its name.
    const QRectF figure(left + 2, heading.bottom() + 42, 22, 38);
    painter.setPen(Qt::NoPen);
    DrawGeomanticFigure(painter, lore.figureRows, figure, ink::kCarnelian);
    DrawFittedText(painter,
                   QRectF(figure.right() + 4, figure.top(), page.right() - figure.right() - 10,
                          figure.height() * 0.6),
                   QString::fromLatin1(lore.figureName), SerifFont(13), text);
    DrawFittedText(
        painter,
        QRectF(figure.right() + 4, figure.top() + figure.height() * 0.55,
               page.right() - figure.right() - 10, figure.height() * 0.45),
        QString::fromLatin1(ElementName(QuarterElement(rank, file))) + QStringLiteral(" QUARTER"),
        SansFont(9), quarter.darker(170));
    painter.restore();
}

}  // namespace vaeloric::art
