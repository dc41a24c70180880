// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "dialogs/setup_dialog_data.h"

class QRadioButton;

namespace vaeloric {

// Lets the user enter the face of a real die.
class TDiceDialog : public QDialog {
    Q_OBJECT
  public:
    TDiceDialog(QWidget* parent, const TDiceData& choice);

    TDiceData Data() const;

    // Runs the dialog; on OK `choice` takes the choice and the face is
    // returned, else 0 (no throw).
    static TDieFace Run(QWidget* parent, TDiceData& choice);

  protected:
    // The arrows choose the next or previous face, as in any group of
    // radio buttons: what is checked is always what Return enters.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QRadioButton* faceButtons_[6] = {};
};

}  // namespace vaeloric
