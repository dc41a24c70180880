#include "app/window/stand_in_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace vaeloric {

bool RunStandInPtahSquareDialog(QWidget* parent, TPtahSquareChoice& choice, char) {
    bool ok = false;
    const QString question = QInputDialog::getText(parent, "Question & Ptah Square",
                                                   "Enter your question", QLineEdit::Normal,
                                                   QString::fromStdString(choice.question), &ok);
    if (!ok || question.isEmpty()) return false;
    choice.question = question.toStdString();
    return true;
}

bool RunStandInPlayerSettingsDialog(QWidget* parent, TPlayerChoice& choice) {
    bool ok = false;
    const QString name = QInputDialog::getText(parent, "The  Four Players", "Enter name:",
                                               QLineEdit::Normal, QString(), &ok);
    if (!ok || name.isEmpty()) return false;
    for (int seat = 1; seat <= 4; ++seat) choice.names[seat] = name.toStdString();
    return true;
}

bool RunStandInDiceDialog(QWidget* parent, TDiceChoice& choice) {
    bool ok = false;
    const int face = QInputDialog::getInt(parent, "Dice  Throw", "Face", choice.face, 1, 6, 1, &ok);
    if (ok) choice.face = face;
    return ok;
}

bool RunStandInOptionDialog(QWidget*, TOptionDialog, TDisplayOptions&) { return false; }

void RunStandInPieceInfoDialog(QWidget* parent) {
    QMessageBox::information(parent, "Piece Information", "Select a piece.");
}

void RunStandInReadingDialog(QWidget* parent, const std::string& text, const std::string& caption) {
    QMessageBox::information(parent, QString::fromStdString(caption), QString::fromStdString(text));
}

}  // namespace vaeloric
