// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QPixmap>

#include "dialogs/piece_info_table.h"

class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace vaeloric {

class TPictureCatalogue;

// How each kind of piece moves, which die value moves it, and its picture.
// Changes nothing in the game.
class TPieceInfoDialog : public QDialog {
    Q_OBJECT

  public:
    // elementCode is the board's; the pictures are loaded only when it is
    // the program's own (the catalogue's board), which is always the case.
    TPieceInfoDialog(QWidget* parent, int elementCode, const TPictureCatalogue& pictures);

    // Index into kPieceInfos of the piece shown, or -1 before the first click.
    int ShownPiece() const { return shownPiece; }
    const QPixmap& LargePicture(int index) const { return large[index]; }
    const QPixmap& SmallPicture(int index) const { return small[index]; }

  private:
    void ShowPiece(int index);
    void PlacePicture(QLabel* label, const QPixmap& picture, QPoint standardPixel, int frameId);

    QPixmap large[6];
    QPixmap small[6];
    QLabel* largeLabel = nullptr;
    QLabel* smallLabel = nullptr;
    QPlainTextEdit* description = nullptr;
    QPlainTextEdit* dieValue = nullptr;
    int shownPiece = -1;
    int contentOffset = 0;  // pixels the controls moved right to fit the caption
};

// Runs the dialog modally over the parent.
void RunPieceInfoDialog(QWidget* parent, int elementCode, const TPictureCatalogue& pictures);

}  // namespace vaeloric
