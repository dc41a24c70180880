// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainter>
#include <QRect>

#include "flow/game_controller.h"
#include "render/board_geometry.h"
#include "render/display_options.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

QColor BackgroundColour(TBackground background);

// The drawing options for the controller's option settings.
TDisplayOptions DisplayOptionsOf(const TOptionSettings& settings);

// What the window adds to the game's picture.
struct TWindowExtras {
    bool rulerShown = false;
    bool markLastMove = true;
    bool markCheck = true;
    // The squares a picked-up piece may go to.
    bool markMoves = true;
    // File letters and rank digits along the coloured board.
    bool coordinates = true;
    // A computer's move on its way, `progress` (0..1) from its origin.
    bool sliding = false;
    double progress = 1.0;
    // The keyboard's square cursor; none while its file is 0.
    TSquare cursor{0, 0};
    // Where the board is, and the pressed image of a held picture button
    // under the pointer (0 for none) with its top-left corner.
    TBoardOrigin origin;
    int pressedButton = 0;
    TPixel pressedButtonAt;
    // A past position shown read-only in place of the game's, if any.
    const TRecordPosition* viewed = nullptr;
};

// Draws the whole scene (in scene pixels): background, board, pieces, the
// Ptah marker, the marks, the turn panel with any held button, and the
// square information panel (or the pyramid ruler panel when it was asked
// for).
void PaintGameWindow(QPainter& painter, const QRect& client, const TGameController& controller,
                     const TPictureCatalogue& pictures, const TWindowExtras& extras);

}  // namespace vaeloric
