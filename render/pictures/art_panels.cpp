// SPDX-License-Identifier: GPL-3.0-or-later

// The tall pictures beside the board: large pieces, pyramid rulers and the
// Ptah square, all as painted shrines.
#include <QLinearGradient>

#include "render/pictures/art.h"
#include "render/pictures/art_common.h"
#include "render/pictures/art_gods.h"

namespace vaeloric::art {
namespace {

const char* KindName(int kind) {
    switch (kind) {
        case 5:
            return "QUEEN";
        case 6:
            return "HORSE";
        case 7:
            return "ROOK";
        case 8:
            return "KING";
        case 9:
            return "BISHOP";
        default:
            return "PAWN";
    }
}

void DrawCartouche(QPainter& painter, const QRectF& box, const QString& text, double pixelSize) {
    painter.save();
    painter.setPen(QPen(ink::kKohl, 1.6));
    painter.setBrush(ink::kPapyrus);
    painter.drawRoundedRect(box, box.height() / 2, box.height() / 2);
    painter.setPen(QPen(ink::kGoldDeep, 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(box.adjusted(2.5, 2.5, -2.5, -2.5), box.height() / 2 - 2.5,
                            box.height() / 2 - 2.5);
    painter.restore();
    DrawFittedText(painter, box.adjusted(box.height() / 2, 0, -box.height() / 2, 0), text,
                   SerifFont(pixelSize), ink::kKohl);
}

void DrawGildedChessman(QPainter& painter, const QRectF& box, int kind) {
    painter.save();
    MapDesignBox(painter, box);
    DrawFigure(painter, ChessmanPath(kind), ink::kGold, 3.4, 0);
    painter.restore();
}

// A standing Ptah, mummiform with his blue cap and composite sceptre, in a
// 100 x 180 design box; `shownHeight` below 180 shows only his upper part.
void DrawPtahFigure(QPainter& painter, const QRectF& area, double shownHeight = 180,
                    double shownTop = 0) {
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    MapDesignBox(painter, area, 100, shownHeight);
    painter.translate(0, -shownTop);
    const QColor skin(0x4f, 0x93, 0x5c);
    auto fill = [&](const QPainterPath& path, const QColor& colour, double width = 2.0) {
        painter.setPen(QPen(ink::kKohl, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(colour);
        painter.drawPath(path);
    };
    QPainterPath plinth;
    plinth.addPolygon(
        QPolygonF({QPointF(14, 176), QPointF(90, 176), QPointF(90, 164), QPointF(24, 164)}));
    plinth.closeSubpath();
    fill(plinth, ink::kGold);
    QPainterPath body;
    body.moveTo(44, 48);
    body.cubicTo(36, 64, 38, 110, 44, 164);
    body.lineTo(68, 164);
    body.cubicTo(72, 110, 72, 62, 66, 48);
    body.closeSubpath();
    fill(body, ink::kHalo);
    painter.save();
    painter.setClipPath(body, Qt::IntersectClip);
    // The close-fitting feathered garment: a net of lozenges.
    painter.setPen(QPen(ink::kSand, 1.1));
    for (double y = 30; y < 200; y += 7) {
        painter.drawLine(QPointF(34, y), QPointF(76, y - 21));
        painter.drawLine(QPointF(34, y - 21), QPointF(76, y));
    }
    painter.restore();
    QPainterPath menat;
    menat.addRoundedRect(QRectF(68, 52, 6, 22), 3, 3);
    fill(menat, ink::kGold, 1.6);
    QPainterPath collar;
    collar.moveTo(40, 50);
    collar.cubicTo(46, 66, 64, 66, 70, 50);
    collar.lineTo(66, 46);
    collar.lineTo(44, 46);
    collar.closeSubpath();
    fill(collar, ink::kTurquoise);
    QPainterPath face;
    face.moveTo(56, 20);
    face.cubicTo(48, 20, 44, 24, 43, 30);
    face.lineTo(38, 38);
    face.lineTo(43, 40);
    face.lineTo(43, 44);
    face.lineTo(46, 47);
    face.lineTo(62, 48);
    face.lineTo(66, 32);
    face.closeSubpath();
    fill(face, skin);
    QPainterPath beard;
    beard.addRoundedRect(QRectF(44, 44, 5, 12), 2, 2);
    fill(beard, ink::kLapisDeep, 1.4);
    QPainterPath cap;
    cap.moveTo(44, 27);
    cap.cubicTo(44, 14, 66, 12, 68, 26);
    cap.lineTo(67, 38);
    cap.lineTo(58, 36);
    cap.lineTo(56, 27);
    cap.closeSubpath();
    fill(cap, ink::kLapis);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kKohl);
    painter.drawEllipse(QPointF(48, 30), 1.6, 1.4);
    // The sceptre: was, djed and ankh on one staff, held in both hands.
    QPainterPath staff;
    staff.addRect(QRectF(31, 22, 4, 134));
    fill(staff, ink::kGold, 1.4);
    DrawWas(painter, QRectF(27, 10, 14, 16), ink::kGold);
    DrawDjed(painter, QRectF(25, 28, 16, 22), ink::kTurquoise);
    DrawAnkh(painter, QRectF(25, 52, 16, 22), ink::kGold);
    QPainterPath fork;
    fork.moveTo(29, 156);
    fork.lineTo(33, 150);
    fork.lineTo(37, 156);
    painter.setPen(QPen(ink::kKohl, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(fork);
    for (double y : {82.0, 94.0}) {
        QPainterPath hand;
        hand.addEllipse(QPointF(36, y), 6, 4);
        fill(hand, skin, 1.6);
    }
    painter.restore();
}

void DrawNightSky(QPainter& painter, const QRectF& sky) {
    painter.save();
    painter.setClipRect(sky, Qt::IntersectClip);
    QLinearGradient night(sky.topLeft(), sky.bottomLeft());
    night.setColorAt(0, ink::kLapisDeep);
    night.setColorAt(1, ink::kLapis);
    painter.setPen(Qt::NoPen);
    painter.setBrush(night);
    painter.drawRect(sky);
    const double step = sky.width() / 6;
    int i = 0;
    for (double y = sky.top() + step * 0.5; y < sky.bottom(); y += step * 0.8, ++i) {
        for (double x = sky.left() + step * (i % 2 ? 1.0 : 0.5); x < sky.right(); x += step) {
            DrawStar(painter, QPointF(x, y), step * 0.17, ink::kGoldPale);
        }
    }
    painter.restore();
}

// The lower part of a large picture may lie under the joined King or the
// Ptah picture (from 130 down), so it carries nothing that is not also said
// above: an offering table with the gilded chessman of the kind.
void DrawAltar(QPainter& painter, const QRectF& area, int kind) {
    const double w = area.width();
    DrawFrieze(painter, QRectF(area.left() + 2, area.top() + 152, w - 4, 7));
    DrawGildedChessman(painter, QRectF(area.center().x() - 30, area.top() + 164, 60, 60), kind);
}

// The deity's name in the cartouche and the caption under it, both clear of
// the overlays.
void DrawTitles(QPainter& painter, const QRectF& area, const QString& name,
                const QString& caption) {
    DrawCartouche(painter, QRectF(area.left() + 12, area.top() + 17, area.width() - 24, 24), name,
                  15);
    DrawFittedText(painter, QRectF(area.left() + 8, area.top() + 42, area.width() - 16, 16),
                   caption, SansFont(14, true), ink::kKohl);
}

QRectF DrawNiche(QPainter& painter, const QRectF& area) {
    const QRectF niche(area.left() + 10, area.top() + 60, area.width() - 20, 88);
    painter.save();
    painter.setPen(QPen(ink::kKohl, 1.4));
    QLinearGradient glow(niche.topLeft(), niche.bottomLeft());
    glow.setColorAt(0, ink::kTurquoise.darker(150));
    glow.setColorAt(1, ink::kLapisDeep);
    painter.setBrush(glow);
    painter.drawRoundedRect(niche, 6, 6);
    painter.restore();
    return niche;
}

}  // namespace

void PaintLargePiece(QPainter& painter, const QRectF& area, char letter, int kind) {
    DrawShrine(painter, area, ink::kLimestone);
    const TDeity& deity = DeityOf(letter, kind);
    DrawTitles(painter, area, QString::fromLatin1(deity.name), QString::fromLatin1(KindName(kind)));
    const QRectF niche = DrawNiche(painter, area);
    painter.save();
    painter.setClipRect(niche.adjusted(1, 1, -1, -1), Qt::IntersectClip);
    PaintDeity(painter, niche.adjusted(4, 3, -4, 2), deity, 0);
    painter.restore();
    DrawAltar(painter, area, kind);
}

void PaintLargePawn(QPainter& painter, const QRectF& area, int pawnKind) {
    static constexpr int kPromotesTo[5] = {0, 6, 5, 7, 9};
    DrawShrine(painter, area, ink::kLimestone);
    const int target = kPromotesTo[std::clamp(pawnKind, 1, 4)];
    DrawTitles(painter, area, QStringLiteral("PAWN"),
               QStringLiteral("becomes ") + QString::fromLatin1(KindName(target)));
    const QRectF niche = DrawNiche(painter, area);
    PaintPawn(painter, niche.adjusted(20, 6, -20, -4), pawnKind, 0);
    DrawAltar(painter, area, target);
}

void PaintKingOverlay(QPainter& painter, const QRectF& area, char letter) {
    const QPointF c = area.center();
    const double r = std::min(area.width(), area.height()) / 2 - 2;
    painter.save();
    painter.setPen(QPen(ink::kKohl, 2));
    painter.setBrush(ink::kGold);
    painter.drawEllipse(c, r, r);
    painter.setBrush(ink::kLapisDeep);
    painter.drawEllipse(c, r - 6, r - 6);
    QPainterPath disc;
    disc.addEllipse(c, r - 7, r - 7);
    painter.setClipPath(disc, Qt::IntersectClip);
    PaintDeity(painter, QRectF(c.x() - r + 8, c.y() - r + 10, 2 * r - 16, 2 * r - 10),
               DeityOf(letter, 8), 0);
    painter.restore();
}

void PaintRuler(QPainter& painter, const QRectF& area, int ruler) {
    const TDeity& deity = RulerDeity(ruler);
    const double y0 = area.top(), h = area.height();
    painter.save();
    painter.fillRect(area, ink::kKohl);
    const QRectF inner = area.adjusted(2, 2, -2, -2);
    DrawNightSky(painter, QRectF(inner.left(), inner.top(), inner.width(), h * 0.55 - 2));
    // The pyramid the ruler keeps, rising behind the bust.
    QPolygonF pyramid({QPointF(inner.left() - 10, y0 + h * 0.62),
                       QPointF(area.center().x(), y0 + h * 0.1),
                       QPointF(inner.right() + 10, y0 + h * 0.62)});
    QLinearGradient sunlit(QPointF(inner.left(), 0), QPointF(inner.right(), 0));
    sunlit.setColorAt(0, ink::kGoldPale);
    sunlit.setColorAt(0.5, ink::kSand);
    sunlit.setColorAt(0.5001, Shade(ink::kSand, 0.78));
    sunlit.setColorAt(1, Shade(ink::kSand, 0.7));
    painter.setPen(QPen(ink::kKohl, 1));
    painter.setBrush(sunlit);
    painter.drawPolygon(pyramid);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink::kSand);
    painter.drawRect(
        QRectF(inner.left(), y0 + h * 0.55, inner.width(), inner.bottom() - (y0 + h * 0.55)));
    painter.restore();
    PaintWithHalo(painter, QRectF(inner.left() + 4, y0 + h * 0.2, inner.width() - 8, h * 0.52), 2.0,
                  [&](QPainter& layer, const QRectF& box) {
                      PaintDeity(layer, box, deity, kLapisFaience + ruler % 4);
                  });
    DrawFrieze(painter, QRectF(inner.left(), y0 + h * 0.73, inner.width(), 7));
    DrawCartouche(painter, QRectF(inner.left() + 8, y0 + h * 0.78, inner.width() - 16, 28),
                  QString::fromLatin1(deity.name), 16);
    const double emblem = 20;
    const QRectF left(inner.left() + 10, inner.bottom() - emblem - 5, emblem, emblem);
    const QRectF right(inner.right() - 10 - emblem, inner.bottom() - emblem - 5, emblem, emblem);
    DrawRulerEmblem(painter, ruler, left);
    DrawRulerEmblem(painter, ruler, right);
    DrawFittedText(painter,
                   QRectF(left.right() + 4, left.top(), right.left() - left.right() - 8, emblem),
                   QStringLiteral("RULER %1").arg(ruler), SansFont(10), ink::kKohl);
}

namespace {

// A papyrus column: banded shaft under an open capital.
void DrawColumn(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setPen(QPen(ink::kKohl, 1));
    const double w = box.width();
    const double capital = w * 1.4;
    QPolygonF flare(
        {QPointF(box.left() - w * 0.2, box.top()), QPointF(box.right() + w * 0.2, box.top()),
         QPointF(box.right(), box.top() + capital), QPointF(box.left(), box.top() + capital)});
    painter.setBrush(ink::kTurquoise);
    painter.drawPolygon(flare);
    QLinearGradient round(box.topLeft(), box.topRight());
    round.setColorAt(0, Shade(ink::kLimestone, 1.08));
    round.setColorAt(1, Shade(ink::kLimestone, 0.78));
    painter.setBrush(round);
    painter.drawRect(QRectF(box.left(), box.top() + capital, w, box.height() - capital));
    painter.setBrush(ink::kGold);
    for (int i = 0; i < 3; ++i) {
        painter.drawRect(QRectF(box.left(), box.top() + capital + i * 3, w, 2));
    }
    painter.setBrush(ink::kCarnelian);
    painter.drawRect(QRectF(box.left() - 1, box.bottom() - 4, w + 2, 4));
    painter.restore();
}

}  // namespace

void PaintPtahSquare(QPainter& painter, const QRectF& area) {
    DrawShrine(painter, area, ink::kLimestone);
    const double w = area.width();
    const QRectF sky(area.left() + 10, area.top() + 24, w - 20, 196);
    painter.save();
    painter.setPen(QPen(ink::kKohl, 1.4));
    painter.setBrush(Qt::NoBrush);
    DrawNightSky(painter, sky);
    painter.drawRect(sky);
    painter.restore();
    DrawPtahFigure(painter, sky.adjusted(10, 8, -10, -4));
    DrawColumn(painter, QRectF(sky.left() + 3, sky.top() + 4, 9, sky.height() - 4));
    DrawColumn(painter, QRectF(sky.right() - 12, sky.top() + 4, 9, sky.height() - 4));
    DrawFrieze(painter, QRectF(area.left() + 2, sky.bottom() + 3, w - 4, 7));
    DrawCartouche(painter, QRectF(area.left() + 16, sky.bottom() + 14, w - 32, 30),
                  QStringLiteral("PTAH"), 20);
}

void PaintPtahOverlay(QPainter& painter, const QRectF& area) {
    DrawShrine(painter, area, ink::kLimestone);
    const QRectF sky(area.left() + 6, area.top() + 16, area.width() - 12, area.height() - 40);
    DrawNightSky(painter, sky);
    DrawPtahFigure(painter, sky.adjusted(0, 2, 0, 0), 104, 8);
    DrawFittedText(painter, QRectF(area.left() + 4, area.bottom() - 22, area.width() - 8, 18),
                   QStringLiteral("PTAH"), SerifFont(16), ink::kKohl);
}

void PaintPtahMarker(QPainter& painter, const QRectF& area) {
    // A gold ring round the middle of the square: the piece stays visible.
    const QPointF c = area.center();
    const double r = std::min(area.width(), area.height()) / 2 - 3.5;
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink::kKohl, 4.6));
    painter.drawEllipse(c, r, r);
    painter.setPen(QPen(ink::kGold, 3));
    painter.drawEllipse(c, r, r);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const QPointF at = c + QPointF(i == 0 ? r : i == 2 ? -r : 0, i == 1 ? r : i == 3 ? -r : 0);
        painter.setBrush(ink::kKohl);
        painter.drawEllipse(at, 2.6, 2.6);
        painter.setBrush(ink::kTurquoise);
        painter.drawEllipse(at, 1.6, 1.6);
    }
    painter.restore();
}

void PaintDialogPiece(QPainter& painter, const QRectF& area, int kind) {
    painter.save();
    painter.fillRect(area, ink::kKohl);
    const QRectF inner = area.adjusted(2, 2, -2, -2);
    QLinearGradient stone(inner.topLeft(), inner.bottomRight());
    stone.setColorAt(0, Shade(ink::kLimestone, 1.05));
    stone.setColorAt(1, ink::kSand);
    painter.fillRect(inner, stone);
    painter.setPen(QPen(ink::kGoldDeep, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(inner.adjusted(3, 3, -3, -3));
    painter.restore();
    painter.save();
    MapDesignBox(painter, inner.adjusted(6, 6, -6, -6));
    DrawFigure(painter, ChessmanPath(kind), ink::kGold, 3.0, 0);
    painter.restore();
}

}  // namespace vaeloric::art
