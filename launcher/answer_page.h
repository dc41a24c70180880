// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "launch/journal_entry.h"

class QLabel;
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
    QLabel* players_ = nullptr;
    QTextEdit* analysis_ = nullptr;
};

}  // namespace vaeloric
