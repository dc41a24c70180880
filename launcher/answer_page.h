// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "launch/journal_entry.h"

class QLabel;
class QPushButton;
class QTextEdit;

namespace vaeloric {

// The answer to a question: the question, the answer in large type in the
// colours of its element, the network's analysis, the players and the date.
class TAnswerPage : public QWidget {
    Q_OBJECT
  public:
    explicit TAnswerPage(QWidget* parent = nullptr);

    void Show(const TJournalEntry& entry);
    const TJournalEntry& Entry() const { return entry_; }
    QString AnswerText() const;  // the large line, for tests
    QString NoteText() const;    // the explanation under it, empty when hidden
    QString HintText() const;    // that the Questioner took hints, empty when hidden

    // Says that the reading shown could not be kept in the journal, and why,
    // with a button to save it as a file; an empty reason hides it. Show()
    // hides it too.
    void ShowNotKept(const QString& why);
    QString NotKeptText() const;

  signals:
    void AskAnotherRequested();
    void JournalRequested();

  private:
    void Copy();
    void SavePdf();
    void SaveText();

    TJournalEntry entry_;
    QLabel* question_ = nullptr;
    QLabel* asked_ = nullptr;
    QLabel* answer_ = nullptr;
    QLabel* note_ = nullptr;
    QLabel* hints_ = nullptr;
    QLabel* players_ = nullptr;
    QLabel* notKept_ = nullptr;
    QPushButton* keep_ = nullptr;
    QPushButton* replay_ = nullptr;
    QPushButton* saveRecord_ = nullptr;
    QTextEdit* analysis_ = nullptr;
};

}  // namespace vaeloric
