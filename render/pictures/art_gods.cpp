// SPDX-License-Identifier: GPL-3.0-or-later

// The gods set: each board's five deities as busts in profile, in the
// colour of their army, crowned with their own headdress.
#include "render/pictures/art_gods.h"

#include <cmath>

#include "render/pictures/art.h"
#include "render/pictures/art_common.h"

namespace vaeloric::art {
namespace {

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath Poly(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

struct TInks {
    QColor main, detail, dark;
};

void Fill(QPainter& painter, const QPainterPath& path, const QColor& colour, double outline = 2.6) {
    painter.setPen(QPen(ink::kKohl, outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(path);
}

void Line(QPainter& painter, const QColor& colour, double width) {
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
}

void Eye(QPainter& painter, QPointF at, const TInks& inks, bool kohlLine) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(inks.detail);
    painter.drawEllipse(at, 3.4, 2.4);
    painter.setBrush(ink::kKohl);
    painter.drawEllipse(at + QPointF(-0.6, 0), 1.5, 1.5);
    if (kohlLine) {
        Line(painter, inks.detail, 1.6);
        painter.drawLine(at + QPointF(3, 0.5), at + QPointF(9, 1.5));
    }
}

// The bust: shoulders with a broad collar, and a neck.
QPainterPath ShouldersPath() {
    QPainterPath path;
    path.moveTo(16, 98);
    path.cubicTo(18, 85, 30, 79, 43, 78);
    path.lineTo(59, 78);
    path.cubicTo(72, 79, 84, 85, 86, 98);
    path.closeSubpath();
    return path;
}

void DrawCollar(QPainter& painter, const TInks& inks) {
    painter.save();
    painter.setClipPath(ShouldersPath(), Qt::IntersectClip);
    for (int i = 0; i < 2; ++i) {
        Line(painter, i == 0 ? inks.detail : ink::kTurquoise, 2.6);
        const double r = 14 + i * 7;
        painter.drawArc(QRectF(51 - r * 1.5, 72 - r, r * 3, r * 2), 200 * 16, 140 * 16);
    }
    painter.restore();
}

QPainterPath HumanFace(bool beard) {
    QPainterPath face;
    face.moveTo(56, 18);
    face.cubicTo(46, 17, 40, 22, 39, 30);
    face.lineTo(33, 40);
    face.lineTo(38, 42);
    face.lineTo(37, 46);
    face.lineTo(39, 48);
    face.cubicTo(39, 53, 42, 56, 46, 56);
    if (beard) {
        face.lineTo(42, 57);
        face.lineTo(43, 67);
        face.lineTo(48, 67);
        face.lineTo(48, 58);
    }
    face.lineTo(47, 78);
    face.lineTo(62, 78);
    face.lineTo(64, 30);
    face.closeSubpath();
    return face;
}

void DrawHuman(QPainter& painter, const TInks& inks, bool female) {
    // Wig or striped head-cloth over the crown of the head and behind.
    QPainterPath wig;
    wig.moveTo(40, 27);
    wig.cubicTo(44, 14, 66, 12, 71, 24);
    if (female) {
        wig.lineTo(75, 80);
        wig.lineTo(57, 82);
        wig.lineTo(55, 34);
    } else {
        wig.lineTo(72, 46);
        wig.lineTo(77, 74);
        wig.lineTo(60, 74);
        wig.lineTo(57, 44);
        wig.lineTo(55, 34);
    }
    wig.lineTo(54, 29);
    wig.closeSubpath();
    Fill(painter, HumanFace(!female), inks.main);
    Fill(painter, wig, inks.dark);
    painter.save();
    painter.setClipPath(wig, Qt::IntersectClip);
    Line(painter, inks.detail, 1.6);
    for (double y = 20; y < 90; y += 6) painter.drawLine(QPointF(52, y + 4), QPointF(80, y));
    painter.restore();
    Eye(painter, QPointF(44, 34), inks, true);
    Line(painter, inks.detail, 1.6);
    painter.drawLine(QPointF(40, 30), QPointF(49, 29.5));
}

void DrawFalcon(QPainter& painter, const TInks& inks) {
    QPainterPath head =
        Ellipse(52, 38, 17, 18).united(Poly({{44, 50}, {62, 50}, {62, 74}, {46, 74}}));
    QPainterPath beak;
    beak.moveTo(38, 30);
    beak.cubicTo(30, 30, 24, 38, 27, 48);
    beak.cubicTo(30, 44, 34, 43, 39, 45);
    beak.closeSubpath();
    Fill(painter, head.united(beak).simplified(), inks.main);
    Fill(painter, beak, ink::kGold, 2.0);
    Eye(painter, QPointF(46, 34), inks, false);
    Line(painter, inks.detail, 2.4);
    painter.drawLine(QPointF(46, 38), QPointF(45, 50));  // the falcon's cheek mark
    painter.drawLine(QPointF(49, 34), QPointF(60, 32));
}

void DrawIbis(QPainter& painter, const TInks& inks) {
    QPainterPath head =
        Ellipse(54, 36, 13, 13).united(Poly({{46, 44}, {62, 44}, {62, 74}, {46, 74}}));
    QPainterPath beak;
    beak.moveTo(44, 31);
    beak.cubicTo(28, 34, 18, 48, 12, 66);
    beak.cubicTo(22, 52, 32, 42, 45, 41);
    beak.closeSubpath();
    Fill(painter, head.united(beak).simplified(), inks.main);
    Eye(painter, QPointF(50, 33), inks, false);
    Line(painter, inks.detail, 1.8);
    painter.drawLine(QPointF(56, 40), QPointF(64, 46));
}

void DrawJackal(QPainter& painter, const TInks& inks) {
    QPainterPath head = Ellipse(55, 40, 13, 13)
                            .united(Poly({{48, 30}, {18, 41}, {20, 47}, {48, 52}}))
                            .united(Poly({{50, 30}, {56, 11}, {63, 30}}))
                            .united(Poly({{47, 48}, {62, 48}, {62, 74}, {47, 74}}));
    Fill(painter, head.simplified(), inks.main);
    Fill(painter, Poly({{53, 27}, {56, 16}, {59, 27}}), inks.detail, 1.2);
    Eye(painter, QPointF(43, 38), inks, true);
    Line(painter, inks.detail, 1.6);
    painter.drawLine(QPointF(22, 46), QPointF(34, 46));
}

void DrawRam(QPainter& painter, const TInks& inks) {
    QPainterPath head = Ellipse(52, 40, 14, 15)
                            .united(Poly({{44, 32}, {30, 40}, {30, 50}, {46, 54}}))
                            .united(Poly({{46, 48}, {62, 48}, {62, 74}, {46, 74}}));
    Fill(painter, head.simplified(), inks.main);
    // The curled horn round the ear.
    QPainterPath horn;
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0 * 1.75 * M_PI;
        const double r = 12 - 7 * t / (1.75 * M_PI);
        const QPointF at(60 + r * std::cos(t - M_PI / 2), 40 + r * std::sin(t - M_PI / 2));
        if (i == 0)
            horn.moveTo(at);
        else
            horn.lineTo(at);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink::kKohl, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(horn);
    painter.setPen(QPen(inks.detail, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(horn);
    Eye(painter, QPointF(42, 38), inks, false);
}

void DrawLion(QPainter& painter, const TInks& inks) {
    QPolygonF mane;
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12;
        const double r = (i % 2 == 0) ? 26 : 20;
        mane << QPointF(58 + r * std::cos(a), 42 + r * 0.95 * std::sin(a));
    }
    QPainterPath manePath;
    manePath.addPolygon(mane);
    manePath.closeSubpath();
    Fill(painter, manePath, inks.dark);
    QPainterPath face =
        Ellipse(50, 42, 15, 15).united(Poly({{40, 34}, {30, 40}, {31, 52}, {44, 56}}));
    Fill(painter, face.simplified(), inks.main);
    Eye(painter, QPointF(42, 38), inks, true);
    Line(painter, inks.detail, 1.6);
    painter.drawLine(QPointF(32, 48), QPointF(38, 49));
    painter.drawArc(QRectF(50, 32, 12, 14), 60 * 16, 180 * 16);
}

void DrawCrocodile(QPainter& painter, const TInks& inks) {
    QPainterPath head = Ellipse(58, 40, 12, 13)
                            .united(Poly({{52, 32}, {14, 40}, {14, 48}, {52, 52}}))
                            .united(Ellipse(48, 32, 5, 4))
                            .united(Poly({{48, 48}, {64, 48}, {64, 74}, {48, 74}}));
    Fill(painter, head.simplified(), inks.main);
    Line(painter, inks.detail, 1.5);
    QPolygonF teeth;
    for (int i = 0; i <= 8; ++i) teeth << QPointF(18 + i * 4, 44 + (i % 2 ? 2.2 : -0.5));
    painter.drawPolyline(teeth);
    Eye(painter, QPointF(48, 33), inks, false);
    for (int i = 0; i < 3; ++i) painter.drawLine(QPointF(58 + i * 3, 30), QPointF(58 + i * 3, 36));
}

void DrawBull(QPainter& painter, const TInks& inks) {
    QPainterPath horns;
    horns.moveTo(42, 32);
    horns.cubicTo(30, 28, 28, 18, 34, 12);
    horns.cubicTo(34, 20, 40, 24, 48, 26);
    horns.closeSubpath();
    horns.moveTo(58, 28);
    horns.cubicTo(66, 22, 70, 18, 70, 11);
    horns.cubicTo(76, 18, 72, 28, 62, 34);
    horns.closeSubpath();
    Fill(painter, horns, inks.detail, 2.0);
    QPainterPath head = Ellipse(52, 40, 14, 14)
                            .united(Poly({{42, 34}, {30, 42}, {31, 56}, {46, 58}}))
                            .united(Poly({{46, 50}, {62, 50}, {62, 74}, {46, 74}}));
    Fill(painter, head.simplified(), inks.main);
    Eye(painter, QPointF(44, 38), inks, false);
    Line(painter, inks.detail, 1.6);
    painter.drawEllipse(QPointF(35, 52), 2, 1.5);
    painter.drawLine(QPointF(58, 34), QPointF(64, 32));
}

void DrawScarab(QPainter& painter, const TInks& inks) {
    Fill(painter, Poly({{44, 58}, {60, 58}, {62, 74}, {44, 74}}), inks.main);
    Line(painter, ink::kKohl, 2.4);
    for (int side : {-1, 1}) {
        painter.drawLine(QPointF(52 + side * 12, 30), QPointF(52 + side * 22, 22));
        painter.drawLine(QPointF(52 + side * 14, 42), QPointF(52 + side * 24, 44));
        painter.drawLine(QPointF(52 + side * 12, 52), QPointF(52 + side * 20, 62));
    }
    QPainterPath body = Ellipse(52, 43, 15, 18).united(Ellipse(52, 22, 9, 6));
    Fill(painter, body.simplified(), inks.main);
    Line(painter, inks.detail, 2.0);
    painter.drawLine(QPointF(52, 32), QPointF(52, 60));
    painter.drawArc(QRectF(38, 26, 28, 14), 200 * 16, 140 * 16);
    painter.drawLine(QPointF(46, 20), QPointF(58, 20));
}

void DrawCobra(QPainter& painter, const TInks& inks) {
    // A rearing cobra on its coils in place of a bust, its hood spread.
    QPainterPath coils = Ellipse(50, 89, 32, 8).united(Ellipse(50, 80, 24, 7));
    Fill(painter, coils.simplified(), inks.main);
    QPainterPath hood;
    hood.moveTo(50, 26);
    hood.cubicTo(66, 26, 74, 36, 70, 48);
    hood.cubicTo(66, 58, 58, 64, 58, 78);
    hood.lineTo(42, 78);
    hood.cubicTo(42, 64, 34, 58, 30, 48);
    hood.cubicTo(26, 36, 34, 26, 50, 26);
    hood.closeSubpath();
    Fill(painter, hood, inks.main);
    // The throat plate and the markings of the hood.
    QPainterPath plate;
    plate.moveTo(50, 36);
    plate.cubicTo(58, 40, 56, 60, 52, 76);
    plate.lineTo(48, 76);
    plate.cubicTo(44, 60, 42, 40, 50, 36);
    plate.closeSubpath();
    Fill(painter, plate, inks.dark, 1.6);
    Line(painter, inks.detail, 1.8);
    for (double y = 44; y < 74; y += 6) painter.drawLine(QPointF(47, y), QPointF(53, y));
    painter.drawArc(QRectF(33, 34, 12, 14), 100 * 16, 120 * 16);
    painter.drawArc(QRectF(55, 34, 12, 14), -40 * 16, 120 * 16);
    Fill(painter, Ellipse(50, 27, 8, 6.5), inks.main);
    Eye(painter, QPointF(46, 26), inks, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink::kKohl, 1.5));
    painter.drawLine(QPointF(30, 89), QPointF(70, 89));
}

// ---- Crowns ----

void CrownDisk(QPainter& painter, QPointF centre, double radius) {
    Fill(painter, Ellipse(centre.x(), centre.y(), radius, radius), ink::kGold, 2.2);
    painter.setPen(QPen(ink::kGoldPale, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(
        QRectF(centre.x() - radius * 0.6, centre.y() - radius * 0.6, radius * 1.2, radius * 1.2),
        90 * 16, 90 * 16);
}

QPainterPath WhiteCrownPath(double x, double top, double bottom, double width) {
    QPainterPath crown;
    crown.moveTo(x - width / 2, bottom);
    crown.cubicTo(x - width / 2, bottom - (bottom - top) * 0.5, x - width * 0.22, top + 8, x - 2,
                  top + 1);
    crown.cubicTo(x + 2, top - 2, x + 6, top + 2, x + width * 0.26, top + 8);
    crown.cubicTo(x + width / 2, bottom - (bottom - top) * 0.4, x + width / 2, bottom - 2,
                  x + width / 2, bottom);
    crown.closeSubpath();
    return crown;
}

QPainterPath RedCrownPath(double left, double top, double bottom) {
    return Poly({{left, bottom},
                 {left + 2, top + 12},
                 {left + 22, top + 12},
                 {left + 24, top},
                 {left + 30, top},
                 {left + 30, bottom}});
}

void CrownFeather(QPainter& painter, double x, double top, double bottom) {
    QPainterPath feather;
    feather.moveTo(x, bottom);
    feather.cubicTo(x - 6, bottom - 8, x - 6, top + 6, x + 2, top);
    feather.cubicTo(x + 8, top + 8, x + 6, bottom - 8, x + 3, bottom);
    feather.closeSubpath();
    Fill(painter, feather, ink::kHalo, 2.0);
    Line(painter, ink::kLapis, 1.4);
    painter.drawLine(QPointF(x + 1.5, bottom - 2), QPointF(x + 1.5, top + 5));
}

void DrawCrown(QPainter& painter, TCrown crown) {
    switch (crown) {
        case TCrown::None:
            break;
        case TCrown::Disk:
            CrownDisk(painter, QPointF(54, 13), 11);
            break;
        case TCrown::Plumes:
            Fill(painter, Poly({{48, 24}, {49, 0}, {55, 0}, {55, 24}}), ink::kGold, 2.0);
            Fill(painter, Poly({{55, 24}, {55, 0}, {61, 0}, {62, 24}}), ink::kCarnelian, 2.0);
            Fill(painter, QPainterPath(Poly({{44, 21}, {66, 21}, {66, 27}, {44, 27}})), ink::kLapis,
                 2.0);
            break;
        case TCrown::Feather:
            CrownFeather(painter, 62, 0, 22);
            break;
        case TCrown::Double:
            Fill(painter, RedCrownPath(42, 4, 26), ink::kCarnelian, 2.0);
            Fill(painter, WhiteCrownPath(54, 0, 20, 14), ink::kHalo, 2.0);
            Line(painter, ink::kGold, 2.0);
            painter.drawArc(QRectF(34, 4, 14, 12), 270 * 16, 180 * 16);
            break;
        case TCrown::Moon:
            Fill(painter, Ellipse(56, 12, 12, 12).subtracted(Ellipse(56, 6, 12, 11)), ink::kHalo,
                 2.0);
            Fill(painter, Ellipse(56, 11, 7, 7), ink::kGoldPale, 1.8);
            break;
        case TCrown::Atef:
            CrownFeather(painter, 40, 2, 26);
            CrownFeather(painter, 68, 2, 26);
            Fill(painter, WhiteCrownPath(54, 0, 24, 18), ink::kHalo, 2.0);
            Fill(painter, Poly({{34, 24}, {76, 24}, {72, 28}, {38, 28}}), ink::kGold, 1.8);
            break;
        case TCrown::Horns: {
            QPainterPath horns;
            horns.moveTo(55, 26);
            horns.cubicTo(38, 25, 35, 10, 43, 1);
            horns.moveTo(55, 26);
            horns.cubicTo(72, 25, 75, 10, 67, 1);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(ink::kKohl, 6.5, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(horns);
            painter.setPen(QPen(ink::kHalo, 3.5, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(horns);
            CrownDisk(painter, QPointF(55, 14), 9);
            break;
        }
        case TCrown::Red:
            Fill(painter, RedCrownPath(40, 0, 22), ink::kCarnelian, 2.0);
            break;
        case TCrown::White:
            Fill(painter, WhiteCrownPath(55, 0, 24, 20), ink::kHalo, 2.0);
            break;
        case TCrown::Throne:
            Fill(painter, Poly({{46, 24}, {46, 4}, {56, 4}, {56, 14}, {66, 14}, {66, 24}}),
                 ink::kGold, 2.0);
            break;
        case TCrown::House:
            Fill(painter, Poly({{46, 24}, {46, 10}, {64, 10}, {64, 24}}), ink::kGold, 2.0);
            Fill(painter, Poly({{42, 10}, {68, 10}, {64, 2}, {46, 2}}), ink::kTurquoise, 2.0);
            break;
    }
}

TInks InksOf(int army) {
    if (army == 0) return {ink::kGold, ink::kLapisDeep, ink::kLapis};
    // Painted faience for the pyramid rulers.
    if (army == kLapisFaience)
        return {QColor(0x2d, 0x55, 0xa3), ink::kGoldPale, QColor(0x1a, 0x2f, 0x60)};
    if (army == kTurquoiseFaience)
        return {QColor(0x2a, 0x9d, 0x8f), QColor(0xff, 0xf0, 0xb0), QColor(0x17, 0x5e, 0x56)};
    if (army == kCarnelianFaience)
        return {QColor(0xb8, 0x45, 0x2a), ink::kGoldPale, QColor(0x6e, 0x24, 0x14)};
    if (army == kMalachiteFaience)
        return {QColor(0x3f, 0x8a, 0x4a), ink::kGoldPale, QColor(0x24, 0x52, 0x2b)};
    const QColor main = ArmyColour(army);
    return {main, ArmyDetail(army), army == 2 ? QColor(0x3a, 0x33, 0x2c) : Shade(main, 0.62)};
}

}  // namespace

void PaintDeity(QPainter& painter, const QRectF& area, const TDeity& deity, int army) {
    painter.save();
    MapDesignBox(painter, area);
    const TInks inks = InksOf(army);
    if (deity.head != THead::Cobra) {
        Fill(painter, ShouldersPath(), inks.main);
        DrawCollar(painter, inks);
    }
    // Heads are drawn a little larger than the bust, and the crowns a little
    // smaller, so that the face carries the figure at 50 pixels.
    painter.save();
    if (deity.head != THead::Cobra) {
        painter.translate(50, 78);
        painter.scale(1.12, 1.12);
        painter.translate(-50, -78);
    }
    switch (deity.head) {
        case THead::Human:
            DrawHuman(painter, inks, false);
            break;
        case THead::Woman:
            DrawHuman(painter, inks, true);
            break;
        case THead::Falcon:
            DrawFalcon(painter, inks);
            break;
        case THead::Ibis:
            DrawIbis(painter, inks);
            break;
        case THead::Jackal:
            DrawJackal(painter, inks);
            break;
        case THead::Ram:
            DrawRam(painter, inks);
            break;
        case THead::Lion:
            DrawLion(painter, inks);
            break;
        case THead::Crocodile:
            DrawCrocodile(painter, inks);
            break;
        case THead::Bull:
            DrawBull(painter, inks);
            break;
        case THead::Scarab:
            DrawScarab(painter, inks);
            break;
        case THead::Cobra:
            DrawCobra(painter, inks);
            break;
    }
    painter.restore();
    painter.save();
    if (deity.head == THead::Cobra) painter.translate(-3, 5);  // the cobra's head sits lower
    painter.translate(54, 23);
    painter.scale(0.86, 0.86);
    painter.translate(-54, -26);
    DrawCrown(painter, deity.crown);
    painter.restore();
    painter.restore();
}

}  // namespace vaeloric::art
