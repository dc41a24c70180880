#include "window/window_painter.h"

#include "render/panel_drawing.h"
#include "render/scene.h"

namespace vaeloric {

QColor BackgroundColour(TBackground background) {
    switch (background) {
        case TBackground::LightGreen:
            return QColor(0, 255, 0);
        case TBackground::DarkGreen:
            return QColor(17, 170, 17);
        case TBackground::White:
            return QColor(255, 255, 255);
        case TBackground::Orange:
            return QColor(255, 160, 0);
        case TBackground::Purple:
            return QColor(208, 18, 239);
        case TBackground::Black:
            return QColor(0, 0, 0);
    }
    return QColor(0, 255, 0);
}

TDisplayOptions DisplayOptionsOf(const TOptionSettings& settings) {
    TDisplayOptions options;
    options.boardStyle = settings.simpleBoard ? TBoardStyle::Simple : TBoardStyle::Coloured;
    options.pieceStyle = settings.symbolicPieces ? TPieceStyle::Symbolic : TPieceStyle::Gods;
    options.squareStyle = settings.vaeloricSquares ? TSquareStyle::Vaeloric : TSquareStyle::English;
    options.backgroundColour = BackgroundColour(settings.background);
    return options;
}

void PaintGameWindow(QPainter& painter, const QRect& client, const TGameController& controller,
                     const TPictureCatalogue& pictures, bool rulerShown) {
    const TGameSession& game = controller.Game();
    TScene scene;
    scene.board = &game.board;
    scene.setUp = &game.setup;
    scene.turn = &game.turn;
    scene.origin = TBoardOrigin{controller.OriginX(), controller.OriginY()};
    scene.options = DisplayOptionsOf(controller.Options());
    PaintScene(painter, pictures, scene, client);

    // A held picture button shows its pressed image while the pointer is on it.
    const TTurnState& turn = game.turn;
    if (turn.throwPressed && turn.overThrow)
        painter.drawPixmap(7, 101, pictures.Picture(kThrowDown));
    if (turn.enterPressed && turn.overEnter)
        painter.drawPixmap(7, 132, pictures.Picture(kEnterDown));
    if (turn.movePressed && turn.overMove) painter.drawPixmap(7, 111, pictures.Picture(kMoveDown));

    if (rulerShown && turn.lastMove.file != 0)
        DrawPyramidRulerPanel(painter, pictures, turn.lastMove.Square(), scene.origin);
}

}  // namespace vaeloric
