// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtSql/QSqlDatabase>
#include <vector>

#include "launch/journal_entry.h"

namespace vaeloric {

// The journal of every question asked, in an SQLite file. Each change is one
// transaction written through to the disk, so that a crash loses nothing
// that was shown. The file carries its schema version (PRAGMA user_version)
// and our application id; the journals from before the version are brought
// up to date. A file that is damaged or not ours (another table, a view, a
// trigger, other columns) is moved aside, never changed, and a new journal
// is started; one of a newer version is left alone. A journal that cannot be
// written is still shown.
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
    // aside, Open succeeds and Message() names where it went; when the
    // journal can only be read, Open succeeds, ReadOnly() is true and
    // Message() says so.
    bool Open(const QString& path);
    const QString& Message() const { return message_; }
    bool ReadOnly() const { return readOnly_; }

    static constexpr int kSchemaVersion = 2;

    // Each returns false on failure (the message says why).
    bool Insert(TJournalEntry& entry);  // sets entry.id
    bool Update(const TJournalEntry& entry);
    bool Remove(std::int64_t id);

    // Newest first.
    std::vector<TJournalEntry> List() const;

  private:
    enum class TKind { Empty, First, Second, Current, Newer, Damaged, Foreign };
    bool OpenFile(const QString& path, bool readOnly);
    QSqlDatabase Database() const;
    TKind Examine();
    bool MoveAside(const QString& path, const QString& what);
    bool Prepare(TKind kind);
    bool Writable();
    bool Failed(const QString& what, QSqlDatabase& db, const QString& error);
    void Close();

    QString connection_;
    QString message_;
    QString problem_;  // the database's own words for the last failure
    bool readOnly_ = false;
};

}  // namespace vaeloric
