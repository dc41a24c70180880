// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include "render/pictures/square_lore.h"

namespace vaeloric::art {

// One palette for every picture: painted limestone, gold, lapis, carnelian,
// turquoise and kohl, as on a temple wall.
namespace ink {
inline const QColor kKohl{0x1c, 0x14, 0x0e};
inline const QColor kLimestone{0xee, 0xe2, 0xc2};
inline const QColor kPapyrus{0xf3, 0xe8, 0xc8};
inline const QColor kSand{0xd9, 0xc3, 0x8f};
inline const QColor kGold{0xd8, 0xa8, 0x2c};
inline const QColor kGoldDeep{0x9a, 0x6c, 0x12};
inline const QColor kGoldPale{0xf4, 0xd9, 0x7a};
inline const QColor kLapis{0x1f, 0x3a, 0x7a};
inline const QColor kLapisDeep{0x12, 0x22, 0x4c};
inline const QColor kTurquoise{0x2a, 0x9d, 0x8f};
inline const QColor kCarnelian{0xa8, 0x32, 0x1e};
inline const QColor kHalo{0xfb, 0xf3, 0xdc};
}  // namespace ink

// Army colours: 1 red, 2 black, 3 yellow, 4 blue.
QColor ArmyColour(int army);
// Lines and details drawn on an army-coloured surface.
QColor ArmyDetail(int army);
// The muted temple tone of an element, used on the pyramids.
QColor ElementTone(TElement element);
QColor Shade(const QColor& colour, double factor);

QFont SerifFont(double pixelSize, bool bold = true);
QFont SansFont(double pixelSize, bool bold = true);

// Maps a 100 x 100 design box onto `target` (keeping the aspect ratio,
// centred), so that one drawing serves every size.
void MapDesignBox(QPainter& painter, const QRectF& target, double designWidth = 100,
                  double designHeight = 100);

// Fills `path` in `fill` with a dark outline and, outside it, a light halo
// that keeps the figure clear on any ground. Widths are in design units.
void DrawFigure(QPainter& painter, const QPainterPath& path, const QColor& fill, double outline,
                double halo);

// Text centred in `box`, shrunk horizontally if it does not fit.
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
                    const QColor& colour);

// Small symbols.
void DrawZodiacSign(QPainter& painter, int sign, const QRectF& box, const QColor& colour);
void DrawElementSymbol(QPainter& painter, TElement element, const QRectF& box, const QColor& colour,
                       double width);
// The sign of a square: its zodiac sign, or the element of an element group.
void DrawSquareSign(QPainter& painter, const TSquareLore& lore, const QRectF& box,
                    const QColor& colour, double width);
void DrawGeomanticFigure(QPainter& painter, const int rows[4], const QRectF& box,
                         const QColor& colour);
void DrawAnkh(QPainter& painter, const QRectF& box, const QColor& fill);
void DrawDjed(QPainter& painter, const QRectF& box, const QColor& fill);
void DrawWas(QPainter& painter, const QRectF& box, const QColor& fill);
void DrawEye(QPainter& painter, const QRectF& box, const QColor& colour);
void DrawStar(QPainter& painter, const QPointF& centre, double radius, const QColor& fill);
// A band of alternating coloured blocks, as on temple friezes.
void DrawFrieze(QPainter& painter, const QRectF& band);
// A framed stone panel with a cavetto cornice at the top.
void DrawShrine(QPainter& painter, const QRectF& area, const QColor& wall);

}  // namespace vaeloric::art

#include <functional>

namespace vaeloric::art {

// Paints with `paint` into an offscreen layer and lays it on `painter` with
// a light halo of `haloPixels` round every opaque pixel; `glaze` adds the
// sheen of glazed faience.
void PaintWithHalo(QPainter& painter, const QRectF& area, double haloPixels,
                   const std::function<void(QPainter&, const QRectF&)>& paint, bool glaze = false);

}  // namespace vaeloric::art
