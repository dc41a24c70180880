// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <functional>

#include "dialogs/setup_dialog_data.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vaeloric {

// Asks who plays the four seats. The name edit of a seat shows only while
// its "Human" button is selected. OK is refused while a needed name is empty.
class TPlayerSettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // The name edits start empty; `choice` gives the radio buttons.
    TPlayerSettingsDialog(QWidget* parent, const TPlayerSettingsData& choice);

    TPlayerSettingsData Data() const;

    // Runs the dialog; on OK `choice` takes the new choice (names cut to 23
    // characters). True on OK.
    static bool Run(QWidget* parent, TPlayerSettingsData& choice);

    void accept() override;

    // Where refusals go; a plain message box unless replaced (tests).
    using TMessageSink = std::function<void(const char* title, const char* text)>;
    void SetMessageSink(TMessageSink sink) { messageSink_ = std::move(sink); }

  private:
    TMessageSink messageSink_;
    void UpdateNameEdits();

    QRadioButton* seatButtons_[16] = {};
    QRadioButton* seerButtons_[3] = {};
    QComboBox* seerLevel_ = nullptr;
    QLineEdit* nameEdits_[5] = {};
    QLabel* nameLabels_[5] = {};
    TPlayerSettingsData accepted_;
};

}  // namespace vaeloric
