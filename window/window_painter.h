#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include "flow/game_controller.h"
#include "render/display_options.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

QColor BackgroundColour(TBackground background);

// The drawing options for the controller's option settings.
TDisplayOptions DisplayOptionsOf(const TOptionSettings& settings);

// Draws the whole client area: background, board, pieces, the Ptah marker,
// the turn panel with any held button, and the square information panel (or
// the pyramid ruler panel when it was asked for).
void PaintGameWindow(QPainter& painter, const QRect& client, const TGameController& controller,
                     const TPictureCatalogue& pictures, bool rulerShown);

}  // namespace vaeloric
