// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QRectF>

// The drawings behind the picture catalogue. Each paints one picture into
// `area` (the picture's own rectangle) on a transparent ground.
namespace vaeloric::art {

// Board and squares.
void PaintBoard(QPainter& painter, const QRectF& area, char letter);
void PaintEnglishSquare(QPainter& painter, const QRectF& area, char letter, int rank, int file);
void PaintVaelericSquare(QPainter& painter, const QRectF& area, char letter, int rank, int file);

// Chessmen of the symbolic set, pawns (kinds 1..4) and the joined-King badge.
void PaintSymbolicPiece(QPainter& painter, const QRectF& area, int kind, int army);
void PaintPawn(QPainter& painter, const QRectF& area, int pawnKind, int army);
void PaintKingBadge(QPainter& painter, const QRectF& area, int army);
// The outline of a chessman (kinds 1..9) in a 100 x 100 design box.
QPainterPath ChessmanPath(int kind);

// Gods set: the deity of `kind` 5..9 for this board, in the army's colour;
// army 0 paints it gilded.
void PaintGod(QPainter& painter, const QRectF& area, char letter, int kind, int army);
const char* GodName(char letter, int kind);

// Panels and dialogs.
void PaintLargePiece(QPainter& painter, const QRectF& area, char letter, int kind);
void PaintLargePawn(QPainter& painter, const QRectF& area, int pawnKind);
void PaintKingOverlay(QPainter& painter, const QRectF& area, char letter);
void PaintDialogPiece(QPainter& painter, const QRectF& area, int kind);
void PaintRuler(QPainter& painter, const QRectF& area, int ruler);
const char* RulerName(int ruler);
// The small sign of ruler 1..15.
void DrawRulerEmblem(QPainter& painter, int ruler, const QRectF& box);
void PaintPtahSquare(QPainter& painter, const QRectF& area);
void PaintPtahOverlay(QPainter& painter, const QRectF& area);
void PaintPtahMarker(QPainter& painter, const QRectF& area);
void PaintDieFace(QPainter& painter, const QRectF& area, int face);
// Picture buttons: 0 THROW, 1 ENTER, 2 MOVE.
void PaintButton(QPainter& painter, const QRectF& area, int button, bool down);
void PaintCursor(QPainter& painter, const QRectF& area, int id);
void PaintIcon(QPainter& painter, const QRectF& area, char letter);

}  // namespace vaeloric::art
