#pragma once

#include <QPainter>
#include <QString>

namespace vaeloric {

// Draws one line of text with the painter's font and pen, centred on x with
// its top at y, on a transparent background.
void DrawCentredText(QPainter& painter, int x, int top, const QString& text);

}  // namespace vaeloric
