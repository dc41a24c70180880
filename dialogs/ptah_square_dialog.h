// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <functional>

#include "dialogs/setup_dialog_data.h"

class QLineEdit;
class QRadioButton;

namespace vaeloric {

// Asks for the question and the Ptah square. OK is refused (with a message
// box) while the question is empty or the square is a corner.
class TPtahSquareDialog : public QDialog {
    Q_OBJECT
  public:
    TPtahSquareDialog(QWidget* parent, char boardLetter, const TPtahSquareData& choice);

    // The choice as it stands in the controls.
    TPtahSquareData Data() const;

    // Runs the dialog; on OK `choice` takes the new choice. True on OK.
    static bool Run(QWidget* parent, char boardLetter, TPtahSquareData& choice);

    void accept() override;

    // Where refusals go; a plain message box unless replaced (tests).
    using TMessageSink = std::function<void(const char* title, const char* text)>;
    void SetMessageSink(TMessageSink sink) { messageSink_ = std::move(sink); }

  private:
    TMessageSink messageSink_;
    QLineEdit* questionEdit_ = nullptr;
    QRadioButton* fileButtons_[8] = {};
    QRadioButton* rankButtons_[8] = {};
};

}  // namespace vaeloric
