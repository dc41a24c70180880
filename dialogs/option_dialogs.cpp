// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/option_dialogs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/options_layout.h"

namespace vaeloric {

namespace {

constexpr int kDialogFontPoints = 8;

template <typename TDialog, typename TTransfer>
bool RunOptionDialog(QWidget* parent, TTransfer& transfer) {
    TDialog dialog(parent, transfer);
    dialog.PlaceOverParent();
    if (dialog.exec() != QDialog::Accepted) return false;
    transfer = dialog.Transfer();
    return true;
}

}  // namespace

TRadioOptionDialog::TRadioOptionDialog(QWidget* parent, const TOptionDialogForm& dialogForm,
                                       const std::uint16_t* states)
    : QDialog(parent), form(dialogForm) {
    setObjectName(QString::number(form.resource));
    setWindowTitle(QString::fromUtf8(form.caption));
    UseDialogFrame(this);
    setFont(OptionDialogFont(kDialogFontPoints));
    const TDialogUnits units(font());

    group = new QGroupBox(QString::fromUtf8(form.groupText), this);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(units.X(6), units.Y(4), units.X(6), units.Y(4));
    grid->setHorizontalSpacing(units.X(10));
    grid->setVerticalSpacing(units.Y(3));
    // Six colours read best in two columns of three; two choices in one.
    const int rows = form.buttonCount > 3 ? (form.buttonCount + 1) / 2 : form.buttonCount;
    auto* exclusive = new QButtonGroup(this);
    for (int i = 0; i < form.buttonCount; ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(form.buttons[i].text), group);
        button->setObjectName(QString::number(form.buttons[i].id));
        exclusive->addButton(button, i);
        grid->addWidget(button, i % rows, i / rows);
        buttons.push_back(button);
    }
    // The first button that is on wins, as a record with several on would
    // otherwise show the last.
    for (int i = 0; i < form.buttonCount; ++i) {
        if (states[i] != 0) {
            buttons[static_cast<std::size_t>(i)]->setChecked(true);
            break;
        }
    }

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(kOkButtonId));
    ok->setDefault(true);
    ok->setMinimumSize(units.Size(40, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(units.X(7), units.Y(7), units.X(7), units.Y(7));
    column->setSpacing(units.Y(6));
    column->addWidget(group, 1);
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok);
    okRow->addStretch();
    column->addLayout(okRow);

    const QSize wanted = units.Size(form.width, form.height);
    const QSize needed = column->totalMinimumSize();
    setFixedSize(std::max({wanted.width(), needed.width(), CaptionWidth(windowTitle())}),
                 std::max(wanted.height(), needed.height()));
}

void TRadioOptionDialog::ReadStates(std::uint16_t* states) const {
    for (int i = 0; i < form.buttonCount; ++i) {
        states[i] = buttons[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0;
    }
}

void TRadioOptionDialog::PlaceOverParent() {
    if (parentWidget() == nullptr) return;
    const TDialogUnits units(font());
    move(parentWidget()->mapToGlobal(units.Point(form.x, form.y)));
}

bool RunBackgroundColourDialog(QWidget* parent, TBackgroundColourTransfer& transfer) {
    return RunOptionDialog<TBackgroundColourDialog>(parent, transfer);
}
bool RunSquareTypeDialog(QWidget* parent, TSquareTypeTransfer& transfer) {
    return RunOptionDialog<TSquareTypeDialog>(parent, transfer);
}
bool RunBoardsDialog(QWidget* parent, TBoardsTransfer& transfer) {
    return RunOptionDialog<TBoardsDialog>(parent, transfer);
}
bool RunPiecesDialog(QWidget* parent, TPiecesTransfer& transfer) {
    return RunOptionDialog<TPiecesDialog>(parent, transfer);
}
bool RunMusicDialog(QWidget* parent, TMusicTransfer& transfer) {
    return RunOptionDialog<TMusicDialog>(parent, transfer);
}

}  // namespace vaeloric
