// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/text_drawing.h"

#include <QFontMetrics>

namespace vaeloric {

void DrawCentredText(QPainter& painter, int x, int top, const QString& text) {
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text);
    painter.drawText(x - width / 2, top + metrics.ascent(), text);
}

void DrawFittedText(QPainter& painter, int x, int top, const QString& text, int maxWidth) {
    const QFont original = painter.font();
    QFont font = original;
    const auto width = [&] { return QFontMetrics(font).horizontalAdvance(text); };
    // First narrower letters (down to four fifths), so that a long name
    // keeps the height of the lines around it; only then smaller ones.
    constexpr double kNarrowest = 0.8;
    const int smallest = qMax(8, original.pixelSize() * 3 / 4);
    while (font.pixelSize() > smallest && width() * kNarrowest > maxWidth)
        font.setPixelSize(font.pixelSize() - 1);
    const double squeeze = width() > maxWidth ? double(maxWidth) / width() : 1.0;
    painter.save();
    painter.setFont(font);
    // Keep the line's middle where the full-size line would have it.
    const int drop = (QFontMetrics(original).height() - QFontMetrics(font).height()) / 2;
    painter.translate(x, 0);
    painter.scale(squeeze, 1.0);
    DrawCentredText(painter, 0, top + drop, text);
    painter.restore();
}

}  // namespace vaeloric
