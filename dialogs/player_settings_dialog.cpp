// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogs/player_settings_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/setup_dialog_style.h"
#include "flow/setup_record.h"
#include "players/opponent_notes.h"
#include "players/seer.h"
#include "render/fonts.h"

namespace vaeloric {

namespace {
constexpr const char* kHeading = "Enter the four players:";
constexpr const char* kSeatHeadings[5] = {"", "    1st Player  (Questioner)  ", "2nd Player",
                                          "3rd Player ", "4th Player"};
constexpr const char* kQuestionerLabel = " Enter name:";
// The labels as first shown: only seat 3 starts as a human seat.
constexpr const char* kInitialLabels[5] = {"", "", "", "Enter name:", ""};

QFrame* SeatFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QLabel* SeatHeading(int seat, QWidget* parent) {
    auto* label = new QLabel(kSeatHeadings[seat], parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}
}  // namespace

TPlayerSettingsDialog::TPlayerSettingsDialog(QWidget* parent, const TPlayerSettingsData& choice)
    : QDialog(parent), messageSink_([this](const char* title, const char* text) {
          ShowPlainMessage(this, title, text);
      }) {
    setWindowTitle(kPlayersTitle);
    setFont(SansFont(14));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(kHeading, this));

    QFrame* frames[5] = {};
    QGridLayout* radioGrids[5] = {};
    QButtonGroup* groups[5] = {};
    for (int seat = 1; seat <= 4; ++seat) {
        frames[seat] = SeatFrame(this);
        auto* frameLayout = new QVBoxLayout(frames[seat]);
        frameLayout->addWidget(SeatHeading(seat, frames[seat]));
        if (seat > 1) {
            radioGrids[seat] = new QGridLayout;
            radioGrids[seat]->setHorizontalSpacing(18);
            // Same columns in every seat, packed to the left.
            for (int column = 0; column < 3; ++column)
                radioGrids[seat]->setColumnMinimumWidth(column, 140);
            radioGrids[seat]->setColumnStretch(3, 1);
            frameLayout->addLayout(radioGrids[seat]);
            groups[seat] = new QButtonGroup(frames[seat]);
        }
        auto* nameRow = new QHBoxLayout;
        nameLabels_[seat] =
            new QLabel(seat == 1 ? kQuestionerLabel : kInitialLabels[seat], frames[seat]);
        nameLabels_[seat]->setMinimumWidth(90);
        if (seat > 1) nameLabels_[seat]->setObjectName(ControlName(kNameLabelIds[seat]));
        nameEdits_[seat] = new QLineEdit(frames[seat]);
        nameEdits_[seat]->setObjectName(ControlName(kNameEditIds[seat]));
        QSizePolicy policy = nameEdits_[seat]->sizePolicy();
        policy.setRetainSizeWhenHidden(true);  // the rows keep their places
        nameEdits_[seat]->setSizePolicy(policy);
        nameRow->addWidget(nameLabels_[seat]);
        nameRow->addWidget(nameEdits_[seat], 1);
        frameLayout->addLayout(nameRow);
        layout->addWidget(frames[seat]);
    }

    int placed[5] = {};
    const auto addButton = [&](const TSeatButton& seatButton) {
        auto* button = new QRadioButton(seatButton.label, frames[seatButton.seat]);
        button->setObjectName(ControlName(seatButton.controlId));
        if (seatButton.code != Human)
            button->setToolTip(QString::fromStdString(OpponentNoteText(seatButton.code)));
        groups[seatButton.seat]->addButton(button, seatButton.code);
        // Three to a row, in the order of the seat's buttons.
        const int n = placed[seatButton.seat]++;
        radioGrids[seatButton.seat]->addWidget(button, n / 3, n % 3);
        button->setChecked(choice.seatCode[seatButton.seat] == seatButton.code);
        connect(button, &QRadioButton::clicked, this, [this] { UpdateNameEdits(); });
        return button;
    };
    for (int i = 0; i < 16; ++i) seatButtons_[i] = addButton(kSeatButtons[i]);
    // The Seer last in every seat, its strength chosen once for all seats.
    for (int i = 0; i < 3; ++i) seerButtons_[i] = addButton(kSeerButtons[i]);
    auto* levelRow = new QHBoxLayout;
    auto* levelLabel = new QLabel(kSeerLevelLabel, this);
    seerLevel_ = new QComboBox(this);
    seerLevel_->setObjectName(ControlName(kSeerLevelChoiceId));
    for (int level = 0; level < kSeerLevelCount; ++level)
        seerLevel_->addItem(SeerLevel(level).name);
    seerLevel_->setCurrentIndex(std::clamp(choice.seerLevel, 0, kSeerLevelCount - 1));
    levelLabel->setBuddy(seerLevel_);
    levelRow->addWidget(levelLabel);
    levelRow->addWidget(seerLevel_);
    levelRow->addStretch();
    layout->addLayout(levelRow);

    // The edits start hidden where the seat is not human, whatever the
    // remembered choice, so a human seat always gets its name edit.
    for (int seat = 2; seat <= 4; ++seat) {
        const bool human = choice.seatCode[seat] == Human;
        nameEdits_[seat]->setVisible(human);
        if (human && nameLabels_[seat]->text().isEmpty())
            nameLabels_[seat]->setText(kEnterNameLabel);
        if (!human) nameLabels_[seat]->clear();
    }
    seerLevel_->setEnabled(std::find(choice.seatCode.begin(), choice.seatCode.end(), kSeerCode) !=
                           choice.seatCode.end());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MakeSetupOkButton(this));
    buttons->addStretch();
    layout->addLayout(buttons);
    nameEdits_[1]->setFocus();
    FixDialogFrame(this);
}

void TPlayerSettingsDialog::UpdateNameEdits() {
    const TPlayerSettingsData choice = Data();
    for (int seat = 2; seat <= 4; ++seat) {
        const bool human = choice.seatCode[seat] == Human;
        nameEdits_[seat]->setVisible(human);
        nameLabels_[seat]->setText(human ? kEnterNameLabel : "");
    }
    seerLevel_->setEnabled(std::find(choice.seatCode.begin(), choice.seatCode.end(), kSeerCode) !=
                           choice.seatCode.end());
}

TPlayerSettingsData TPlayerSettingsDialog::Data() const {
    TPlayerSettingsData choice;
    std::array<std::uint16_t, 16> words{};
    for (int i = 0; i < 16; ++i) words[i] = seatButtons_[i]->isChecked() ? 1 : 0;
    choice.seatCode = {0, 0, 0, 0, 0};
    ApplyPlayerTransferWords(words, choice);
    for (int i = 0; i < 3; ++i)
        if (seerButtons_[i]->isChecked()) choice.seatCode[kSeerButtons[i].seat] = kSeerCode;
    choice.seerLevel = seerLevel_->currentIndex();
    for (int seat = 1; seat <= 4; ++seat)
        choice.names[seat] = nameEdits_[seat]->text().toStdString();
    return choice;
}

void TPlayerSettingsDialog::accept() {
    accepted_ = Data();
    if (!CheckPlayerNames(accepted_)) {
        messageSink_(kIncompleteFormTitle, kMissingNamesText);
        return;
    }
    QDialog::accept();
}

bool TPlayerSettingsDialog::Run(QWidget* parent, TPlayerSettingsData& choice) {
    TPlayerSettingsDialog dialog(parent, choice);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice = dialog.accepted_;
    return true;
}

}  // namespace vaeloric
