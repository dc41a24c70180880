// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>

#include "flow/setup_record.h"
#include "flow/turn_state.h"
#include "game/board.h"
#include "render/board_geometry.h"
#include "render/display_options.h"
#include "render/panel_drawing.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

// Everything one paint of the main window needs. The window owns the game
// state; the scene only points at it.
struct TScene {
    const TBoard* board = nullptr;
    const TSetUpRecord* setUp = nullptr;
    const TTurnState* turn = nullptr;  // turn->lastMove is the panel's square
    TBoardOrigin origin;
    TDisplayOptions options;
    // Marks of our own over the board: the last move and Kings in check.
    bool markLastMove = false;
    bool markCheck = false;
    // Why the last press picked nothing up, for the turn panel.
    std::string noteFirst, noteSecond;
    // The turn's buttons are shown greyed.
    bool turnButtonsIdle = false;
};

// The turn panel input for the board's army to move.
TTurnPanelInput TurnPanelInputOf(const TScene& scene);

// One full paint, background included: labels, board, pieces, Ptah marker,
// the marks asked for, turn panel and square information panel.
void PaintScene(QPainter& painter, const TPictureCatalogue& pictures, const TScene& scene,
                QRect clientRect);

}  // namespace vaeloric
