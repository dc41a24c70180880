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
    const auto tooWide = [&] { return QFontMetrics(font).horizontalAdvance(text) > maxWidth; };
    // First a little smaller, then narrower letters, so the text stays legible.
    const int smallest = qMax(8, original.pixelSize() * 3 / 4);
    while (font.pixelSize() > smallest && tooWide()) font.setPixelSize(font.pixelSize() - 1);
    for (int stretch = 95; stretch >= 50 && tooWide(); stretch -= 5) font.setStretch(stretch);
    painter.setFont(font);
    // Keep the line's middle where the full-size line would have it.
    const int drop = (QFontMetrics(original).height() - QFontMetrics(font).height()) / 2;
    DrawCentredText(painter, x, top + drop, text);
    painter.setFont(original);
}

}  // namespace vaeloric
