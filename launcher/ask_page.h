// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <array>
#include <random>

#include "launch/question_form.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vaeloric {

class TPtahPicker;

// The one page that asks everything: the question, the Questioner's name,
// the element, the other three seats and the Ptah square, with a live view
// of who will lead which army.
class TAskPage : public QWidget {
    Q_OBJECT
  public:
    explicit TAskPage(QWidget* parent = nullptr);

    TQuestionForm Form() const;
    void SetForm(const TQuestionForm& form);
    // A sentence under the form, in red; empty to clear it.
    void ShowProblem(const QString& text);
    // A refusal of the form; one that typing mends goes when it is mended.
    void ShowFormProblem(const TFormProblem& problem);
    // While a game runs the page cannot start another.
    void SetStartEnabled(bool enabled);

  signals:
    void AskRequested();
    void ContinueRequested();
    void DemonstrationRequested();
    void JournalRequested();
    void JoinRequested();

  private:
    QWidget* BuildQuestionBox();
    QWidget* BuildElementBox();
    QWidget* BuildSeatsBox();
    QWidget* BuildSquareBox();
    void Refresh();

    QLineEdit* question_ = nullptr;
    QLabel* counter_ = nullptr;
    QLineEdit* name_ = nullptr;
    QButtonGroup* elements_ = nullptr;
    QLabel* matters_ = nullptr;
    std::array<QComboBox*, 5> seatChoice_{};
    std::array<QLineEdit*, 5> seatName_{};
    std::array<QLabel*, 5> seatLine_{};
    TPtahPicker* picker_ = nullptr;
    QCheckBox* dice_ = nullptr;
    QLabel* squareName_ = nullptr;
    QLabel* preview_ = nullptr;
    QLabel* problem_ = nullptr;
    TFormProblemKind problemKind_ = TFormProblemKind::None;  // of the sentence shown
    QPushButton* ask_ = nullptr;
    QPushButton* continue_ = nullptr;
    QPushButton* demonstration_ = nullptr;
    QPushButton* join_ = nullptr;
};

}  // namespace vaeloric
