// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/scene.h"

#include "render/board_drawing.h"
#include "render/move_marks.h"
#include "render/panel_texts.h"

namespace vaeloric {

TTurnPanelInput TurnPanelInputOf(const TScene& scene) {
    TTurnPanelInput input;
    input.army = scene.board->armyToMove;
    input.playerCode = scene.board->GetPlayerCode(input.army);
    input.name = TurnPanelName(*scene.board, *scene.setUp);
    input.throwValue = scene.turn->throwValue;
    input.inCheck = scene.markCheck && ArmyInCheck(*scene.board, input.army);
    input.noteFirst = scene.noteFirst;
    input.noteSecond = scene.noteSecond;
    input.buttonsIdle = scene.turnButtonsIdle;
    return input;
}

void PaintScene(QPainter& painter, const TPictureCatalogue& pictures, const TScene& scene,
                QRect clientRect) {
    painter.fillRect(clientRect, scene.options.backgroundColour);
    DrawBoardArea(painter, pictures, *scene.board, scene.setUp->ptah, scene.origin, scene.options);
    if (scene.markLastMove) DrawLastMoveFrames(painter, *scene.turn, scene.origin);
    if (scene.markCheck) DrawCheckMarks(painter, *scene.board, scene.origin);
    DrawTurnPanel(painter, pictures, TurnPanelInputOf(scene));
    DrawSquareInfoPanel(painter, pictures, *scene.board, scene.setUp->ptah,
                        scene.turn->lastMove.Square(), scene.origin, scene.options);
}

}  // namespace vaeloric
