// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/ptah_square_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/setup_dialog_style.h"
#include "flow/setup_record.h"
#include "render/fonts.h"

namespace vaeloric {

namespace {
constexpr int kQuestionEditId = 326;
constexpr int kFirstFileButtonId = 310;
constexpr int kFirstRankButtonId = 318;

QGroupBox* RadioRow(const QString& title, QRadioButton* (&buttons)[8], int firstId, char firstLabel,
                    QWidget* parent) {
    QGroupBox* group = MakeSetupGroup(title, parent);
    auto* row = new QHBoxLayout(group);
    auto* exclusive = new QButtonGroup(group);
    for (int i = 0; i < 8; ++i) {
        buttons[i] = new QRadioButton(QString(QChar(firstLabel + i)), group);
        buttons[i]->setObjectName(ControlName(firstId + i));
        exclusive->addButton(buttons[i], i + 1);
        row->addWidget(buttons[i]);
    }
    return group;
}

int Selected(QRadioButton* const (&buttons)[8]) {
    for (int i = 0; i < 8; ++i)
        if (buttons[i]->isChecked()) return i + 1;
    return 0;
}
}  // namespace

TPtahSquareDialog::TPtahSquareDialog(QWidget* parent, char boardLetter,
                                     const TPtahSquareData& choice)
    : QDialog(parent), messageSink_([this](const char* title, const char* text) {
          ShowPlainMessage(this, title, text);
      }) {
    setWindowTitle(PtahSquareDialogTitle(boardLetter));
    setFont(SansFont(14));
    auto* layout = new QVBoxLayout(this);

    QGroupBox* questionGroup = MakeSetupGroup("Enter your question", this);
    auto* questionLayout = new QVBoxLayout(questionGroup);
    questionEdit_ = new QLineEdit(QString::fromStdString(choice.question), questionGroup);
    questionEdit_->setObjectName(ControlName(kQuestionEditId));
    questionEdit_->setMaxLength(static_cast<int>(kMaxQuestionLength));
    questionEdit_->setMinimumWidth(380);  // room for the whole title too
    questionLayout->addWidget(questionEdit_);
    layout->addWidget(questionGroup);

    layout->addWidget(
        RadioRow("Select the PTAH SQUARE file.", fileButtons_, kFirstFileButtonId, 'A', this));
    layout->addWidget(
        RadioRow("Select the PTAH SQUARE rank.", rankButtons_, kFirstRankButtonId, '1', this));
    if (choice.file >= 1 && choice.file <= 8) fileButtons_[choice.file - 1]->setChecked(true);
    if (choice.rank >= 1 && choice.rank <= 8) rankButtons_[choice.rank - 1]->setChecked(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MakeSetupOkButton(this));
    buttons->addStretch();
    layout->addLayout(buttons);
    questionEdit_->setFocus();
    FixDialogFrame(this);
}

TPtahSquareData TPtahSquareDialog::Data() const {
    TPtahSquareData choice;
    choice.question = questionEdit_->text().toStdString();
    choice.file = Selected(fileButtons_);
    choice.rank = Selected(rankButtons_);
    return choice;
}

void TPtahSquareDialog::accept() {
    TPtahSquareData choice = Data();
    switch (CheckPtahSquare(choice)) {
        case TPtahVerdict::NoQuestion:
            messageSink_(kIncompleteFormTitle, kNoQuestionText);
            return;
        case TPtahVerdict::Corner:
            messageSink_(kInvalidPtahTitle, kCornerPtahText);
            return;
        case TPtahVerdict::Accepted:
            QDialog::accept();
            return;
    }
}

bool TPtahSquareDialog::Run(QWidget* parent, char boardLetter, TPtahSquareData& choice) {
    TPtahSquareDialog dialog(parent, boardLetter, choice);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice = dialog.Data();
    CheckPtahSquare(choice);
    return true;
}

}  // namespace vaeloric
