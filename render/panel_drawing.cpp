// SPDX-License-Identifier: GPL-3.0-or-later

#include "render/panel_drawing.h"

#include "game/internal_error.h"
#include "render/fonts.h"
#include "render/panel_texts.h"
#include "render/picture_ids.h"
#include "render/text_drawing.h"

namespace vaeloric {

namespace {

constexpr int kPanelCentre = 37;
constexpr int kNameWidth = 60;  // inside the panel's border, with a margin

struct TTurnColours {
    QColor panel;
    QColor ink;  // border and text
};

TTurnColours TurnColoursOf(std::int32_t army) {
    switch (army) {
        case 1:
            return {QColor(255, 0, 0), QColor(0, 255, 255)};
        case 2:
            return {QColor(0, 0, 0), QColor(255, 255, 255)};
        case 3:
            return {QColor(255, 255, 0), QColor(0, 0, 255)};
        case 4:
            return {QColor(0, 0, 255), QColor(255, 255, 0)};
        default:
            throw TInternalError("impossible army " + std::to_string(army));
    }
}

QColor BandColourOf(std::int32_t army) {
    switch (army) {
        case 1:
            return QColor(255, 0, 0);
        case 2:
            return QColor(0, 0, 0);
        case 3:
            return QColor(255, 255, 0);
        case 4:
            return QColor(0, 0, 255);
        default:
            throw TInternalError("impossible army " + std::to_string(army));
    }
}

// A trailing blank belongs to the word for the split but not to the look.
QString Trimmed(const std::string& text) {
    return QString::fromStdString(text).trimmed();
}

// Fill of the rectangle from (left, top) up to, not including, (right, bottom).
void FillEdges(QPainter& painter, int left, int top, int right, int bottom, const QColor& colour) {
    if (right > left && bottom > top)
        painter.fillRect(left, top, right - left, bottom - top, colour);
}

}  // namespace

void DrawTurnPanel(QPainter& painter, const TPictureCatalogue& pictures,
                   const TTurnPanelInput& input) {
    const TTurnColours colours = TurnColoursOf(input.army);
    painter.save();
    FillEdges(painter, 2, 2, 74, 165, colours.ink);
    FillEdges(painter, 4, 4, 72, 163, colours.panel);
    painter.setPen(colours.ink);
    painter.setFont(SerifFont(16));

    const auto [first, second] = SplitTurnName(input.name);
    if (!second.empty()) {
        DrawFittedText(painter, kPanelCentre, 3, Trimmed(first), kNameWidth);
        DrawFittedText(painter, kPanelCentre, 18, Trimmed(second), kNameWidth);
        DrawCentredText(painter, kPanelCentre, 33, "to move");
    } else {
        DrawFittedText(painter, kPanelCentre, 10, Trimmed(first), kNameWidth);
        DrawCentredText(painter, kPanelCentre, 27, "to move");
    }
    painter.setFont(SerifFont(18, true));
    DrawCentredText(painter, kPanelCentre, 48, ArmyCaption(input.army));

    painter.setFont(SerifFont(16));
    // Greyed buttons: faint over the panel, so that they read as not there
    // to press.
    const double buttonOpacity = input.buttonsIdle ? 0.3 : 1.0;
    if (input.throwValue < 1 || input.throwValue > 6) {
        painter.setOpacity(buttonOpacity);
        painter.drawPixmap(kThrowButtonRect.left, kThrowButtonRect.top,
                           pictures.Picture(kThrowButtonUpId));
        painter.drawPixmap(kEnterButtonRect.left, kEnterButtonRect.top,
                           pictures.Picture(kEnterButtonUpId));
        painter.setOpacity(1.0);
    } else {
        painter.drawPixmap(17, 67, pictures.Picture(DieFaceId(input.throwValue)));
        if (input.playerCode == Human && !input.noteFirst.empty()) {
            painter.setFont(SansFont(13, true));
            DrawFittedText(painter, kPanelCentre, 110, QString::fromStdString(input.noteFirst),
                           kNameWidth);
            DrawFittedText(painter, kPanelCentre, 127, QString::fromStdString(input.noteSecond),
                           kNameWidth);
            painter.setFont(SerifFont(16));
        } else if (input.playerCode == Human) {
            const auto [hint1, hint2] = DieHint(input.throwValue);
            DrawCentredText(painter, kPanelCentre, 108, "Move");
            DrawCentredText(painter, kPanelCentre, 123, hint1);
            DrawCentredText(painter, kPanelCentre, 138, hint2);
        } else {
            painter.setOpacity(buttonOpacity);
            painter.drawPixmap(kMoveButtonRect.left, kMoveButtonRect.top,
                               pictures.Picture(kMoveButtonUpId));
            painter.setOpacity(1.0);
        }
    }
    if (input.inCheck) {
        // A tab under the panel, in its colours: everything inside it keeps
        // its place.
        FillEdges(painter, 2, 165, 74, 183, colours.ink);
        FillEdges(painter, 4, 165, 72, 181, colours.panel);
        painter.setPen(colours.ink);
        painter.setFont(SansFont(13, true));
        DrawCentredText(painter, kPanelCentre, 166, "in check");
    } else if (!input.noteFirst.empty() && (input.throwValue < 1 || input.throwValue > 6)) {
        // Before the throw the buttons fill the panel: the note takes the tab.
        FillEdges(painter, 2, 165, 74, 183, colours.ink);
        FillEdges(painter, 4, 165, 72, 181, colours.panel);
        painter.setPen(colours.ink);
        painter.setFont(SansFont(12, true));
        DrawFittedText(painter, kPanelCentre, 166,
                       QString::fromStdString(input.noteFirst + " " + input.noteSecond),
                       kNameWidth);
    }
    painter.restore();
}

void DrawSquareInfoPanel(QPainter& painter, const TPictureCatalogue& pictures, const TBoard& board,
                         TSquare ptah, TSquare selected, TBoardOrigin origin,
                         const TDisplayOptions& options) {
    if (selected.file == 0 || !OnBoard(selected.rank, selected.file)) return;
    const char letter = pictures.BoardLetter();
    const int x = origin.x;
    const int y = origin.y;
    const bool onPtah = SquaresEqual(ptah, selected);
    const TPiece& piece = board.At(selected.rank, selected.file);

    painter.save();
    painter.drawPixmap(x + 410, y + 252,
                       pictures.Picture(SquarePictureId(letter, selected.rank, selected.file,
                                                        options.squareStyle)));
    if (piece.kind != Empty) {
        const std::int32_t companion = board.CompanionKind();
        const std::string name = PieceNameText(piece.army, piece.kind, companion);
        painter.drawPixmap(x + 410, y,
                           pictures.Picture(InfoPiecePictureId(letter, piece.kind, companion)));
        if (onPtah) painter.drawPixmap(x + 435, y + 130, pictures.Picture(kPtahOverlayId));
        if (piece.kind == CombinedKing)
            painter.drawPixmap(x + 410, y + 150, pictures.Picture(InfoKingOverlayId(letter)));
        FillEdges(painter, x + 410, 0, x + 560, y, BandColourOf(piece.army));
        painter.setPen(piece.army == 1 || piece.army == 3 ? Qt::black : Qt::white);
        painter.setFont(SansFont(16, true));
        DrawFittedText(painter, x + 485, y - 20, QString::fromStdString(name), 146);
    } else if (onPtah) {
        painter.drawPixmap(x + 410, 0, pictures.Picture(kEmptyPtahSquareId));
    } else {
        FillEdges(painter, x + 410, 0, x + 560, y + 250, options.backgroundColour);
    }
    painter.restore();
}

void DrawPyramidRulerPanel(QPainter& painter, const TPictureCatalogue& pictures, TSquare selected,
                           TBoardOrigin origin) {
    if (selected.file == 0 || !OnBoard(selected.rank, selected.file)) return;
    const int x = origin.x;
    const int y = origin.y;
    painter.save();
    painter.drawPixmap(
        x + 410, y,
        pictures.Picture(RulerPictureId(pictures.BoardLetter(), selected.rank, selected.file)));
    FillEdges(painter, x + 410, 0, x + 560, y, Qt::black);
    FillEdges(painter, x + 411, 1, x + 559, y, Qt::white);
    painter.setPen(Qt::black);
    painter.setFont(SansFont(16, true));
    DrawCentredText(painter, x + 485, y - 19, "PYRAMID RULER");
    painter.restore();
}

}  // namespace vaeloric
