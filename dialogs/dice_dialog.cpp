// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/dice_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/setup_dialog_style.h"
#include "render/fonts.h"

namespace vaeloric {

namespace {
constexpr int kFirstFaceButtonId = 1201;
}

TDiceDialog::TDiceDialog(QWidget* parent, const TDiceData& choice) : QDialog(parent) {
    setWindowTitle(kDiceTitle);
    setFont(SansFont(14));
    auto* layout = new QVBoxLayout(this);
    QGroupBox* group = MakeSetupGroup("", this);
    auto* column = new QVBoxLayout(group);
    auto* exclusive = new QButtonGroup(group);
    for (int i = 0; i < 6; ++i) {
        faceButtons_[i] = new QRadioButton(QString::number(i + 1), group);
        faceButtons_[i]->setObjectName(ControlName(kFirstFaceButtonId + i));
        faceButtons_[i]->setChecked(choice.face == i + 1);
        exclusive->addButton(faceButtons_[i], i + 1);
        faceButtons_[i]->installEventFilter(this);
        column->addWidget(faceButtons_[i], 0, Qt::AlignHCenter);
    }
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(group);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(MakeSetupOkButton(this), 0, Qt::AlignHCenter);
    // The keyboard starts on the face shown checked, so that the arrows go
    // on from it and Return enters what the user sees.
    if (choice.face >= 1 && choice.face <= 6) faceButtons_[choice.face - 1]->setFocus();
    FixDialogFrame(this);
}

bool TDiceDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    if (step == 0) return QDialog::eventFilter(watched, event);
    for (int i = 0; i < 6; ++i) {
        if (faceButtons_[i] != watched) continue;
        QRadioButton* next = faceButtons_[(i + step + 6) % 6];
        next->setChecked(true);
        next->setFocus(Qt::TabFocusReason);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

TDiceData TDiceDialog::Data() const {
    std::array<std::uint16_t, 6> words{};
    for (int i = 0; i < 6; ++i) words[i] = faceButtons_[i]->isChecked() ? 1 : 0;
    return TDiceData{ThrowOfDiceWords(words)};
}

TDieFace TDiceDialog::Run(QWidget* parent, TDiceData& choice) {
    TDiceDialog dialog(parent, choice);
    if (dialog.exec() != QDialog::Accepted) return 0;
    choice = dialog.Data();
    return choice.face;
}

}  // namespace vaeloric
