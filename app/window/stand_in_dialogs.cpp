#include "app/window/stand_in_dialogs.h"

#include <QMessageBox>

namespace vaeloric {

bool RunStandInOptionDialog(QWidget*, TOptionDialog, TOptionSettings&) { return false; }

void RunStandInPieceInfoDialog(QWidget* parent) {
    QMessageBox::information(parent, "Piece Information", "Select a piece.");
}

}  // namespace vaeloric
