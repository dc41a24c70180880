#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include "app/flow/game_controller.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

QColor BackgroundColour(TBackground background);

// Draws the whole client area: background, board, pieces, the Ptah marker,
// the turn panel and the square information (or pyramid ruler) panel.
void PaintGameWindow(QPainter& painter, const QRect& client, const TGameController& controller,
                     const TPictureCatalogue& pictures, bool rulerShown);

}  // namespace vaeloric
