#include "render/text_drawing.h"

#include <QFontMetrics>

namespace vaeloric {

void DrawCentredText(QPainter& painter, int x, int top, const QString& text) {
    const QFontMetrics metrics(painter.font());
    const int width = metrics.horizontalAdvance(text);
    painter.drawText(x - width / 2, top + metrics.ascent(), text);
}

}  // namespace vaeloric
