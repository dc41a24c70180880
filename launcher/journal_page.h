// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <vector>

#include "launch/journal_entry.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace vaeloric {

class TJournalStore;

// Every reading, newest first: search, open, delete, export.
class TJournalPage : public QWidget {
    Q_OBJECT
  public:
    TJournalPage(TJournalStore& store, QWidget* parent = nullptr);

    // Reads the journal again and shows the entries matching the search.
    void Reload();
    int ShownCount() const;
    void SetMessage(const QString& text);

  signals:
    void OpenRequested(vaeloric::TJournalEntry entry);
    void BackRequested();

  private:
    void Filter();
    const TJournalEntry* Selected() const;
    void DeleteSelected();
    void Export();

    TJournalStore& store_;
    std::vector<TJournalEntry> entries_;
    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* message_ = nullptr;
};

}  // namespace vaeloric
