// SPDX-License-Identifier: GPL-3.0-or-later

// Writes pictures of the whole window and of the panels to look at by eye,
// when VAELORIC_PREVIEW_DIR names a folder. Skipped otherwise.
#include <gtest/gtest.h>

#include <QPainter>
#include <cstdlib>

#include "render/panel_drawing.h"
#include "render/scene.h"
#include "tests/render/render_test_support.h"

namespace vaeloric {
namespace {

void WriteScene(const QString& folder, const QString& name, char letter, TDisplayOptions options,
                TSquare selected, int throwValue, bool ruler) {
    const TSetUpRecord setUp = test::SampleSetUp(letter == 'W' ? "27W" : "46A", 2, 1, 3);
    TBoard board = test::SetUpBoard(setUp);
    // A joined King out in the open so the badge shows.
    TTurnState turn;
    turn.throwValue = throwValue;
    turn.lastMove.rank = selected.rank;
    turn.lastMove.file = selected.file;
    TPictureCatalogue pictures(letter);
    const int width = 1280;
    TScene scene{&board, &setUp, &turn, PlaceBoard(width, options.boardStyle), options};
    QImage image(width, 760, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintScene(painter, pictures, scene, image.rect());
    if (ruler) DrawPyramidRulerPanel(painter, pictures, selected, scene.origin);
    painter.end();
    image.save(folder + "/" + name + ".png");
}

TEST(RenderPreview, WritesPictures) {
    const char* folder = std::getenv("VAELORIC_PREVIEW_DIR");
    if (!folder) GTEST_SKIP() << "set VAELORIC_PREVIEW_DIR to write the pictures";
    test::EnsureGuiApplication();
    const QString dir = QString::fromLocal8Bit(folder);
    TDisplayOptions coloured;
    WriteScene(dir, "scene_coloured", 'W', coloured, TSquare{1, 8}, 0, false);
    TDisplayOptions simple;
    simple.boardStyle = TBoardStyle::Simple;
    simple.pieceStyle = TPieceStyle::Symbolic;
    simple.backgroundColour = QColor(255, 160, 0);
    WriteScene(dir, "scene_simple", 'W', simple, TSquare{2, 7}, 4, false);
    WriteScene(dir, "scene_ruler", 'A', coloured, TSquare{4, 5}, 3, true);
    WriteScene(dir, "scene_empty", 'A', coloured, TSquare{4, 4}, 1, false);
}

}  // namespace
}  // namespace vaeloric
