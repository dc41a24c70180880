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
    TRadioOptionDialog(QWidget* parent, const TOptionDialogSpec& spec, const std::uint16_t* states);

    const TOptionDialogSpec& Spec() const { return spec; }
    // The buttons' states as shown, in the spec's order.
    void ReadStates(std::uint16_t* states) const;
    QRadioButton* Button(int index) const { return buttons[static_cast<std::size_t>(index)]; }

    // Where the dialog opens: its place in dialog units over the parent's
    // client area.
    void PlaceOverParent();

private:
    const TOptionDialogSpec& spec;
    QGroupBox* group = nullptr;
    std::vector<QRadioButton*> buttons;
};

// One option dialog bound to its transfer record type.
template <typename TTransfer, const TOptionDialogSpec& kSpec>
class TOptionDialog : public TRadioOptionDialog {
public:
    TOptionDialog(QWidget* parent, const TTransfer& transfer)
        : TRadioOptionDialog(parent, kSpec, transfer.state) {}

    TTransfer Transfer() const {
        TTransfer transfer;
        ReadStates(transfer.state);
        return transfer;
    }
};

class TBackgroundColourDialog
    : public TOptionDialog<TBackgroundColourTransfer, kBackgroundColourSpec> {
public:
    using TOptionDialog::TOptionDialog;
};
class TSquareTypeDialog : public TOptionDialog<TSquareTypeTransfer, kSquareTypeSpec> {
public:
    using TOptionDialog::TOptionDialog;
};
class TBoardsDialog : public TOptionDialog<TBoardsTransfer, kBoardsSpec> {
public:
    using TOptionDialog::TOptionDialog;
};
class TPiecesDialog : public TOptionDialog<TPiecesTransfer, kPiecesSpec> {
public:
    using TOptionDialog::TOptionDialog;
};
class TMusicDialog : public TOptionDialog<TMusicTransfer, kMusicSpec> {
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
