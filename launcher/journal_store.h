// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtSql/QSqlDatabase>
#include <vector>

#include "launch/journal_entry.h"

namespace vaeloric {

// The journal of every question asked, in an SQLite file. Each change is one
// transaction written through to the disk, so that a crash loses nothing
// that was shown. A file that is not a sound journal is moved aside, never
// overwritten, and a new journal is started.
class TJournalStore {
  public:
    TJournalStore() = default;
    ~TJournalStore();
    TJournalStore(const TJournalStore&) = delete;
    TJournalStore& operator=(const TJournalStore&) = delete;

    // $XDG_DATA_HOME/vaeloric/journal.sqlite (default ~/.local/share/...).
    static QString DefaultPath();

    // Opens or creates the journal. Returns false when even a new journal
    // cannot be made; Message() then says why. When a damaged file was moved
    // aside, Open succeeds and Message() names where it went.
    bool Open(const QString& path);
    const QString& Message() const { return message_; }

    // Each returns false on failure (the message says why).
    bool Insert(TJournalEntry& entry);  // sets entry.id
    bool Update(const TJournalEntry& entry);
    bool Remove(std::int64_t id);

    // Newest first.
    std::vector<TJournalEntry> List() const;

  private:
    bool OpenFile(const QString& path);
    bool Sound();
    void Close();

    QString connection_;
    QString message_;
};

}  // namespace vaeloric
