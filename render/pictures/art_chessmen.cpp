// SPDX-License-Identifier: GPL-3.0-or-later

// The symbolic set: classic chessman silhouettes in the army colours.
#include "render/pictures/art.h"
#include "render/pictures/art_common.h"

namespace vaeloric::art {
namespace {

QPainterPath Rounded(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QPainterPath Circle(double x, double y, double r) {
    QPainterPath path;
    path.addEllipse(QPointF(x, y), r, r);
    return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QPainterPath Base() {
    return Rounded(20, 84, 60, 10, 3).united(Rounded(27, 78, 46, 8, 2));
}

QPainterPath PawnPath() {
    QPainterPath body;
    body.moveTo(33, 79);
    body.cubicTo(36, 66, 42, 61, 43, 53);
    body.lineTo(57, 53);
    body.cubicTo(58, 61, 64, 66, 67, 79);
    body.closeSubpath();
    return Base().united(body).united(Rounded(35, 49, 30, 7, 3)).united(Circle(50, 37, 13));
}

QPainterPath RookPath() {
    QPainterPath top = Rounded(26, 20, 48, 22, 2);
    top = top.subtracted(Rounded(37, 16, 9, 12, 0)).subtracted(Rounded(54, 16, 9, 12, 0));
    return Base()
        .united(Polygon({{29, 79}, {34, 42}, {66, 42}, {71, 79}}))
        .united(top)
        .united(Rounded(29, 40, 42, 6, 2));
}

QPainterPath BishopPath() {
    QPainterPath body;
    body.moveTo(32, 79);
    body.cubicTo(38, 70, 43, 64, 44, 58);
    body.lineTo(56, 58);
    body.cubicTo(57, 64, 62, 70, 68, 79);
    body.closeSubpath();
    QPainterPath mitre;
    mitre.moveTo(50, 17);
    mitre.cubicTo(65, 25, 68, 44, 59, 56);
    mitre.lineTo(41, 56);
    mitre.cubicTo(32, 44, 35, 25, 50, 17);
    mitre.closeSubpath();
    QPainterPath slit;
    slit.moveTo(51, 38);
    slit.lineTo(62, 25);
    slit.lineTo(65, 28);
    slit.lineTo(54, 41);
    slit.closeSubpath();
    return Base()
        .united(body)
        .united(Rounded(36, 54, 28, 7, 3))
        .united(mitre.subtracted(slit))
        .united(Circle(50, 14, 5));
}

QPainterPath QueenPath() {
    QPainterPath body;
    body.moveTo(29, 79);
    body.cubicTo(36, 64, 40, 52, 40, 44);
    body.lineTo(60, 44);
    body.cubicTo(60, 52, 64, 64, 71, 79);
    body.closeSubpath();
    QPainterPath crown = Polygon(
        {{27, 22}, {38, 34}, {41, 16}, {50, 31}, {59, 16}, {62, 34}, {73, 22}, {65, 45}, {35, 45}});
    QPainterPath path = Base().united(body).united(crown).united(Rounded(35, 42, 30, 6, 3));
    for (QPointF ball : {QPointF(27, 20), QPointF(41, 14), QPointF(59, 14), QPointF(73, 20)}) {
        path = path.united(Circle(ball.x(), ball.y(), 4.5));
    }
    return path.united(Circle(50, 24, 4.5));
}

QPainterPath KingPath() {
    QPainterPath body;
    body.moveTo(29, 79);
    body.cubicTo(36, 64, 40, 54, 41, 44);
    body.lineTo(59, 44);
    body.cubicTo(60, 54, 64, 64, 71, 79);
    body.closeSubpath();
    return Base()
        .united(body)
        .united(Polygon({{31, 26}, {69, 26}, {62, 45}, {38, 45}}))
        .united(Rounded(35, 42, 30, 6, 3))
        .united(Rounded(46, 3, 8, 25, 1))
        .united(Rounded(39, 9, 22, 7, 1));
}

QPainterPath HorsePath() {
    QPainterPath head;
    head.moveTo(30, 80);
    head.cubicTo(31, 70, 38, 62, 47, 56);
    head.cubicTo(39, 58, 31, 60, 24, 58);
    head.cubicTo(17, 57, 14, 51, 17, 46);
    head.cubicTo(23, 38, 29, 30, 36, 23);
    head.lineTo(45, 14);
    head.lineTo(52, 5);
    head.lineTo(56, 15);
    head.cubicTo(67, 19, 78, 32, 78, 49);
    head.cubicTo(78, 63, 73, 72, 72, 80);
    head.closeSubpath();
    return Base().united(head);
}

// Inner lines that give each chessman its modelling.
void DrawDetails(QPainter& painter, int kind, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(27, 86), QPointF(73, 86));
    switch (kind) {
        case 6:
            painter.setBrush(colour);
            painter.drawEllipse(QPointF(40, 31), 2.6, 2.6);
            painter.drawEllipse(QPointF(22, 50), 1.6, 1.6);
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(QRectF(54, 20, 36, 60), 110 * 16, 70 * 16);
            painter.drawLine(QPointF(60, 26), QPointF(66, 22));
            painter.drawLine(QPointF(66, 34), QPointF(73, 31));
            painter.drawLine(QPointF(70, 43), QPointF(77, 42));
            break;
        case 7:
            painter.drawLine(QPointF(33, 55), QPointF(67, 55));
            painter.drawLine(QPointF(32, 67), QPointF(68, 67));
            painter.drawLine(QPointF(50, 55), QPointF(50, 67));
            break;
        case 8:
        case 5:
            painter.drawLine(QPointF(38, 60), QPointF(62, 60));
            break;
        case 9:
            painter.drawLine(QPointF(40, 68), QPointF(60, 68));
            break;
        default:
            break;
    }
    painter.restore();
}

}  // namespace

QPainterPath ChessmanPath(int kind) {
    switch (kind) {
        case 5:
            return QueenPath().simplified();
        case 6:
            return HorsePath().simplified();
        case 7:
            return RookPath().simplified();
        case 8:
            return KingPath().simplified();
        case 9:
            return BishopPath().simplified();
        default:
            return PawnPath().simplified();
    }
}

void PaintSymbolicPiece(QPainter& painter, const QRectF& area, int kind, int army) {
    PaintWithHalo(
        painter, area, std::max(1.0, area.width() / 40),
        [&](QPainter& layer, const QRectF& box) {
            layer.save();
            MapDesignBox(layer, box.adjusted(2, 2, -2, -2));
            DrawFigure(layer, ChessmanPath(kind), ArmyColour(army), 3.2, 0);
            DrawDetails(layer, kind, ArmyDetail(army));
            layer.restore();
        },
        true);
}

void PaintPawn(QPainter& painter, const QRectF& area, int pawnKind, int army) {
    static constexpr int kPromotesTo[5] = {0, 6, 5, 7, 9};
    PaintWithHalo(
        painter, area, std::max(1.0, area.width() / 40),
        [&](QPainter& layer, const QRectF& box) {
            layer.save();
            MapDesignBox(layer, box.adjusted(2, 2, -2, -2));
            layer.save();
            layer.translate(-7, 2);
            DrawFigure(layer, ChessmanPath(1), ArmyColour(army), 3.2, 0);
            DrawDetails(layer, 1, ArmyDetail(army));
            layer.restore();
            // The emblem of the piece the pawn becomes, on a gold disc.
            const QPointF centre(75, 22);
            const double radius = 18;
            layer.setPen(QPen(ink::kHalo, 6));
            layer.setBrush(Qt::NoBrush);
            layer.drawEllipse(centre, radius, radius);
            layer.setPen(QPen(ink::kKohl, 2.6));
            layer.setBrush(ink::kGold);
            layer.drawEllipse(centre, radius, radius);
            layer.translate(centre.x() - radius * 0.8, centre.y() - radius * 0.86);
            layer.scale(radius * 1.6 / 100, radius * 1.6 / 100);
            layer.setPen(Qt::NoPen);
            layer.setBrush(ink::kKohl);
            layer.drawPath(ChessmanPath(kPromotesTo[std::clamp(pawnKind, 1, 4)]));
            layer.restore();
        },
        true);
}

void PaintKingBadge(QPainter& painter, const QRectF& area, int army) {
    painter.save();
    MapDesignBox(painter, area.adjusted(1, 1, -1, -1));
    painter.setPen(QPen(ink::kHalo, 8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(50, 50), 42, 42);
    painter.setPen(QPen(ink::kKohl, 4));
    painter.setBrush(ink::kGold);
    painter.drawEllipse(QPointF(50, 50), 42, 42);
    painter.setBrush(ArmyColour(army));
    painter.setPen(QPen(ink::kKohl, 3));
    painter.drawEllipse(QPointF(50, 50), 32, 32);
    painter.translate(20, 16);
    painter.scale(0.6, 0.6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArmyDetail(army));
    painter.drawPath(ChessmanPath(8));
    painter.restore();
}

}  // namespace vaeloric::art
