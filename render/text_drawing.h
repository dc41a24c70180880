// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QString>

namespace vaeloric {

// Draws one line of text with the painter's font and pen, centred on x with
// its top at y, on a transparent background.
void DrawCentredText(QPainter& painter, int x, int top, const QString& text);

// The same, with the font made smaller as far as needed for the text to fit
// in maxWidth pixels (wide letters in a long name).
void DrawFittedText(QPainter& painter, int x, int top, const QString& text, int maxWidth);

}  // namespace vaeloric
