// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "dialogs/option_choices.h"

class QRadioButton;
class QGroupBox;

namespace vaeloric {

// A modal dialog of one group of radio buttons and an OK button. It shows the
// states of a transfer record when opened; the caller reads them back after
// OK. Closing it any other way changes nothing.
class TRadioOptionDialog : public QDialog {
  public:
    TRadioOptionDialog(QWidget* parent, const TOptionDialogForm& form, const std::uint16_t* states);

    const TOptionDialogForm& Form() const { return form; }
    // The buttons' states as shown, in the form's order.
    void ReadStates(std::uint16_t* states) const;
    QRadioButton* Button(int index) const { return buttons[static_cast<std::size_t>(index)]; }

    // Where the dialog opens: its place in dialog units over the parent's
    // client area.
    void PlaceOverParent();

  private:
    const TOptionDialogForm& form;
    QGroupBox* group = nullptr;
    std::vector<QRadioButton*> buttons;
};

// One option dialog bound to its transfer record type.
template <typename TTransfer, const TOptionDialogForm& kForm>
class TOptionDialog : public TRadioOptionDialog {
  public:
    TOptionDialog(QWidget* parent, const TTransfer& transfer)
        : TRadioOptionDialog(parent, kForm, transfer.state) {}

    TTransfer Transfer() const {
        TTransfer transfer;
        ReadStates(transfer.state);
        return transfer;
    }
};

class TBackgroundColourDialog
    : public TOptionDialog<TBackgroundColourTransfer, kBackgroundColourForm> {
  public:
    using TOptionDialog::TOptionDialog;
};
class TSquareTypeDialog : public TOptionDialog<TSquareTypeTransfer, kSquareTypeForm> {
  public:
    using TOptionDialog::TOptionDialog;
};
class TBoardsDialog : public TOptionDialog<TBoardsTransfer, kBoardsForm> {
  public:
    using TOptionDialog::TOptionDialog;
};
class TPiecesDialog : public TOptionDialog<TPiecesTransfer, kPiecesForm> {
  public:
    using TOptionDialog::TOptionDialog;
};
class TMusicDialog : public TOptionDialog<TMusicTransfer, kMusicForm> {
  public:
    using TOptionDialog::TOptionDialog;
};

// Each runs its dialog modally over the parent, opening with the record's
// choice; on OK the record takes the new choice and the result is true.
bool RunBackgroundColourDialog(QWidget* parent, TBackgroundColourTransfer& transfer);
bool RunSquareTypeDialog(QWidget* parent, TSquareTypeTransfer& transfer);
bool RunBoardsDialog(QWidget* parent, TBoardsTransfer& transfer);
bool RunPiecesDialog(QWidget* parent, TPiecesTransfer& transfer);
bool RunMusicDialog(QWidget* parent, TMusicTransfer& transfer);

}  // namespace vaeloric
