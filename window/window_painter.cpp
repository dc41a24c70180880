// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/window_painter.h"

#include <algorithm>
#include <optional>

#include "dialogs/option_choices.h"
#include "render/board_drawing.h"
#include "render/held_piece.h"
#include "render/hint_arrow.h"
#include "render/panel_drawing.h"
#include "render/scene.h"

namespace vaeloric {

QColor BackgroundColour(TBackground background) {
    const TRgb rgb = kBackgroundColours[static_cast<int>(background)];
    return QColor(rgb.red, rgb.green, rgb.blue);
}

TDisplayOptions DisplayOptionsOf(const TOptionSettings& settings) {
    TDisplayOptions options;
    options.boardStyle = settings.simpleBoard ? TBoardStyle::Simple : TBoardStyle::Coloured;
    options.pieceStyle = settings.symbolicPieces ? TPieceStyle::Symbolic : TPieceStyle::Gods;
    options.squareStyle = settings.vaeloricSquares ? TSquareStyle::Vaeloric : TSquareStyle::English;
    options.backgroundColour = BackgroundColour(settings.background);
    return options;
}

namespace {

void DrawKeyboardCursor(QPainter& painter, TBoardOrigin origin, TSquare square) {
    const TPixel corner = SquareCornerOf(origin, square.rank, square.file);
    const QRectF box = QRectF(corner.x, corner.y, kSquareSize, kSquareSize).adjusted(1, 1, -1, -1);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawRect(box);
    painter.setPen(QPen(Qt::black, 1.5, Qt::DashLine));
    painter.drawRect(box);
    painter.restore();
}

}  // namespace

void PaintGameWindow(QPainter& painter, const QRect& client, const TGameController& controller,
                     const TPictureCatalogue& pictures, const TWindowExtras& extras) {
    const TGameSession& game = controller.Game();
    TScene scene;
    scene.board = &game.board;
    scene.setUp = &game.setup;
    scene.turn = &game.turn;
    if (extras.viewed != nullptr) {
        scene.board = &extras.viewed->board;
        scene.turn = &extras.viewed->turn;
    }
    scene.origin = extras.origin;
    scene.options = DisplayOptionsOf(controller.Options());
    scene.options.edgeCoordinates = extras.coordinates;
    scene.markLastMove = extras.markLastMove;
    scene.markCheck = extras.markCheck;
    const TPickUpNote note = controller.PickUpNote();
    scene.noteFirst = note.first;
    scene.noteSecond = note.second;
    // A past position shown has no buttons to press either way.
    scene.turnButtonsIdle = extras.viewed == nullptr && controller.TurnButtonsIdle();
    // While a move slides, its destination shows what stood there before.
    const TTurnState& moved = game.turn;
    std::optional<TBoard> shown;
    const bool sliding =
        extras.sliding && extras.viewed == nullptr && OnBoard(moved.moveTo.rank, moved.moveTo.file);
    if (sliding) {
        shown = game.board;
        shown->PutPiece(moved.moveTo.rank, moved.moveTo.file,
                        moved.lastMove.capture ? moved.lastMove.captured : TPiece{});
        scene.board = &*shown;
    }
    PaintScene(painter, pictures, scene, client);
    if (sliding) {
        const TPixel from = SquareCornerOf(scene.origin, moved.moveFrom.rank, moved.moveFrom.file);
        const TPixel to = SquareCornerOf(scene.origin, moved.moveTo.rank, moved.moveTo.file);
        const double t = std::clamp(extras.progress, 0.0, 1.0);
        const QPointF at(from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t);
        DrawPieceAt(painter, pictures, game.board.GetPiece(moved.moveTo.rank, moved.moveTo.file),
                    game.board.CompanionKind(), scene.options.pieceStyle, at);
    }
    if (controller.PieceHeld() && !sliding)
        DrawHeldPiece(painter, pictures, game.board, controller.HeldSquare(),
                      extras.markMoves ? controller.HeldDestinations() : TPieceDestinations{},
                      scene.origin, scene.options.pieceStyle);
    if (OnBoard(extras.cursor.rank, extras.cursor.file))
        DrawKeyboardCursor(painter, scene.origin, extras.cursor);
    // The hint belongs to the game's position, not to a past one shown.
    if (extras.viewed == nullptr && !sliding) {
        if (controller.HintState() == TGameController::THintState::Shown) {
            const TSeerAnswer& hint = controller.Hint();
            DrawHintArrow(painter, scene.origin, hint.from.Square(), hint.to.Square(),
                          QStringLiteral("expected ") + HintScoreText(hint.value));
        } else if (controller.HintState() == TGameController::THintState::Thinking) {
            DrawHintStrip(painter, scene.origin,
                          QStringLiteral("The Seer is looking for a move — Escape cancels"));
        }
    }

    // A held picture button shows its pressed image while the pointer is on it.
    if (extras.pressedButton != 0)
        painter.drawPixmap(extras.pressedButtonAt.x, extras.pressedButtonAt.y,
                           pictures.Picture(extras.pressedButton));

    const TTurnState& turn = *scene.turn;
    if (extras.rulerShown && turn.lastMove.file != 0)
        DrawPyramidRulerPanel(painter, pictures, turn.lastMove.Square(), scene.origin);
}

}  // namespace vaeloric
