// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <string>

#include "game/board.h"
#include "game/square.h"
#include "render/board_geometry.h"
#include "render/display_options.h"
#include "render/pictures/picture_catalogue.h"

namespace vaeloric {

// What the turn panel shows.
struct TTurnPanelInput {
    std::int32_t army = 1;        // army to move, 1..4
    std::int32_t playerCode = 1;  // 1 human, 2..8 computer
    std::string name;             // TurnPanelName()
    int throwValue = 0;           // 0 before the throw
    bool inCheck = false;         // the army's King is attacked (a mark of our own)
    // A short note in two lines (why a piece was not picked up), shown in
    // the place of the hint; empty for none.
    std::string noteFirst, noteSecond;
    // The turn's buttons do nothing at this screen (the army is played at
    // another, or its throw is on its way): they are drawn greyed.
    bool buttonsIdle = false;
};

// The turn panel in the top-left corner, (2, 2)-(74, 165), with the throw
// and enter buttons (before the throw) or the die face and what may move.
void DrawTurnPanel(QPainter& painter, const TPictureCatalogue& pictures,
                   const TTurnPanelInput& input);

// The square information panel right of the board for `selected` (nothing
// when its file is 0): square picture, piece picture and name band, or the
// empty Ptah picture, or the background colour.
void DrawSquareInfoPanel(QPainter& painter, const TPictureCatalogue& pictures, const TBoard& board,
                         TSquare ptah, TSquare selected, TBoardOrigin origin,
                         const TDisplayOptions& options);

// The pyramid ruler of `selected` in the same place, with its caption band.
void DrawPyramidRulerPanel(QPainter& painter, const TPictureCatalogue& pictures, TSquare selected,
                           TBoardOrigin origin);

}  // namespace vaeloric
