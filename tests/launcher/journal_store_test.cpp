// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/journal_store.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>
#include <csignal>

#include "tests/launcher/launcher_fixture.h"
#include "tests/support/special_files.h"

namespace vaeloric::testing {
namespace {

TJournalEntry Entry(const std::string& question, TOutcome outcome) {
    TJournalEntry entry;
    entry.askedAt = "2026-12-08 21:30";
    entry.question = question;
    entry.questionerName = "Zoë";
    entry.element = "Air";
    entry.ptahSquare = "C3";
    entry.players = "Zoë: Earth (black), the Questioner, moves first";
    entry.outcome = outcome;
    return entry;
}

using JournalStore = LauncherTest;

TEST_F(JournalStore, KeepsEveryChangeAcrossReopening) {
    {
        TJournalStore store;
        ASSERT_TRUE(store.Open(JournalPath()));
        EXPECT_TRUE(store.Message().isEmpty());
        TJournalEntry first = Entry("Will it rain? «oui»", TOutcome::InProgress);
        TJournalEntry second = Entry("Shall I move?", TOutcome::Favourable);
        TJournalEntry third = Entry("Is it time?", TOutcome::Failed);
        ASSERT_TRUE(store.Insert(first) && store.Insert(second) && store.Insert(third));
        first.outcome = TOutcome::Unfinished;
        first.analysis = "The Tower.\nLine two.";
        ASSERT_TRUE(store.Update(first));
        ASSERT_TRUE(store.Remove(third.id));
    }
    TJournalStore store;
    ASSERT_TRUE(store.Open(JournalPath()));
    const std::vector<TJournalEntry> entries = store.List();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].question, "Shall I move?");  // newest first
    EXPECT_EQ(entries[1].question, "Will it rain? «oui»");
    EXPECT_EQ(entries[1].questionerName, "Zoë");
    EXPECT_EQ(entries[1].outcome, TOutcome::Unfinished);
    EXPECT_EQ(entries[1].analysis, "The Tower.\nLine two.");
}

// A launcher killed in the middle of a change leaves SQLite's own journal
// behind; the next start rolls it back and keeps what was committed.
TEST_F(JournalStore, AJournalOfAKilledProcessOpens) {
    {
        TJournalStore store;
        ASSERT_TRUE(store.Open(JournalPath()));
        TJournalEntry kept = Entry("Kept?", TOutcome::Favourable);
        ASSERT_TRUE(store.Insert(kept));
    }
    const pid_t child = fork();
    if (child == 0) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "killed");
        db.setDatabaseName(JournalPath());
        db.open();
        QSqlQuery query(db);
        query.exec("BEGIN");
        query.exec("INSERT INTO readings (question) VALUES ('lost')");
        query.exec("UPDATE readings SET question = 'changed'");
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    TJournalStore store;
    ASSERT_TRUE(store.Open(JournalPath()));
    EXPECT_TRUE(store.Message().isEmpty());
    ASSERT_EQ(store.List().size(), 1u);
    EXPECT_EQ(store.List()[0].question, "Kept?");
}

TEST_F(JournalStore, ADamagedFileIsMovedAsideNeverOverwritten) {
    const std::string garbage =
        std::string("SQLite format 3") + '\0' + "not a journal at all" + std::string(5000, 'x');
    for (const std::string& bytes : {garbage, std::string("plain text\n")}) {
        WriteFile(folder / "journal.sqlite", bytes);
        TJournalStore store;
        ASSERT_TRUE(store.Open(JournalPath()));
        ASSERT_TRUE(store.Message().contains("moved to")) << store.Message().toStdString();
        const QString aside = store.Message().section("moved to ", 1).section(" and a new", 0, 0);
        QFile old(aside);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll().toStdString(), bytes);
        old.remove();
        TJournalEntry entry = Entry("After the damage", TOutcome::Unfavourable);
        EXPECT_TRUE(store.Insert(entry));
        EXPECT_EQ(store.List().size(), 1u);
    }
    // A sound database of someone else's is not ours either.
    std::filesystem::remove(folder / "journal.sqlite");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "foreign");
        db.setDatabaseName(JournalPath());
        db.open();
        QSqlQuery(db).exec("CREATE TABLE readings (x TEXT)");
        db.close();
    }
    QSqlDatabase::removeDatabase("foreign");
    TJournalStore store;
    ASSERT_TRUE(store.Open(JournalPath()));
    EXPECT_TRUE(store.Message().contains("moved to"));
}

// Runs SQL on the journal file as another program would.
void Sql(const QString& path, const QStringList& statements) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "outside");
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        for (const QString& statement : statements)
            EXPECT_TRUE(QSqlQuery(db).exec(statement)) << statement.toStdString();
        db.close();
    }
    QSqlDatabase::removeDatabase("outside");
}

int UserVersion(const QString& path) {
    int version = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "version");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(db);
        if (query.exec("PRAGMA user_version") && query.next()) version = query.value(0).toInt();
        db.close();
    }
    QSqlDatabase::removeDatabase("version");
    return version;
}

// The journal as the launcher kept it before it had a schema version.
const QStringList kFirstJournal = {
    "CREATE TABLE readings (id INTEGER PRIMARY KEY AUTOINCREMENT, asked_at TEXT, question TEXT, "
    "questioner TEXT, element TEXT, ptah TEXT, players TEXT, outcome TEXT, analysis TEXT, note "
    "TEXT, saved_game TEXT)",
    "INSERT INTO readings (asked_at, question, questioner, element, ptah, players, outcome, "
    "analysis, note, saved_game) VALUES ('2026-12-01 10:00', 'Old?', 'Ann', 'Fire', 'C3', 'p', "
    "'favourable', 'The Sun.', '', '')",
    "INSERT INTO readings (question, outcome) VALUES ('Running?', 'in-progress')",
};

TEST_F(JournalStore, TheFirstJournalsAreBroughtUpToDateAndKept) {
    Sql(JournalPath(), kFirstJournal);
    {
        TJournalStore store;
        ASSERT_TRUE(store.Open(JournalPath()));
        EXPECT_TRUE(store.Message().isEmpty()) << store.Message().toStdString();
        ASSERT_EQ(store.List().size(), 2u);
        EXPECT_EQ(store.List()[1].question, "Old?");
        EXPECT_EQ(store.List()[1].analysis, "The Sun.");
        EXPECT_EQ(store.List()[1].outcome, TOutcome::Favourable);
        EXPECT_EQ(store.List()[0].owner, "");
        TJournalEntry entry = Entry("New", TOutcome::InProgress);
        entry.owner = "host 12 34";
        ASSERT_TRUE(store.Insert(entry));
        EXPECT_EQ(store.List()[0].owner, "host 12 34");
        EXPECT_EQ(store.List()[1].record, "");
    }
    EXPECT_EQ(UserVersion(JournalPath()), TJournalStore::kSchemaVersion);
    TJournalStore again;
    ASSERT_TRUE(again.Open(JournalPath()));
    EXPECT_TRUE(again.Message().isEmpty());
    EXPECT_EQ(again.List().size(), 3u);
}

// The journal of version 1, before the game's record was kept.
const QStringList kSecondJournal = {
    "CREATE TABLE readings (id INTEGER PRIMARY KEY AUTOINCREMENT, asked_at TEXT, question TEXT, "
    "questioner TEXT, element TEXT, ptah TEXT, players TEXT, outcome TEXT, analysis TEXT, note "
    "TEXT, saved_game TEXT, owner TEXT)",
    "INSERT INTO readings (asked_at, question, questioner, element, ptah, players, outcome, "
    "analysis, note, saved_game, owner) VALUES ('2026-12-05 10:00', 'Second?', 'Bo', 'Air', "
    "'E4', 'p', 'unfavourable', 'The Moon.', '', '/g.vae', 'host 1 2')",
    "PRAGMA user_version = 1",
    "PRAGMA application_id = 1449223532",
};

// A journal of version 1 gains the record column; its readings stay, and
// records are kept from then on. Read-only, it is shown as it is.
TEST_F(JournalStore, TheJournalsOfVersionOneGainTheRecord) {
    Sql(JournalPath(), kSecondJournal);
    chmod(JournalPath().toStdString().c_str(), 0444);
    if (access(JournalPath().toStdString().c_str(), W_OK) != 0) {
        TJournalStore store;
        ASSERT_TRUE(store.Open(JournalPath()));
        EXPECT_TRUE(store.ReadOnly());
        ASSERT_EQ(store.List().size(), 1u);
        EXPECT_EQ(store.List()[0].owner, "host 1 2");
        EXPECT_EQ(store.List()[0].record, "");
        EXPECT_EQ(UserVersion(JournalPath()), 1);
    }
    chmod(JournalPath().toStdString().c_str(), 0644);
    {
        TJournalStore store;
        ASSERT_TRUE(store.Open(JournalPath()));
        EXPECT_TRUE(store.Message().isEmpty()) << store.Message().toStdString();
        ASSERT_EQ(store.List().size(), 1u);
        const TJournalEntry old = store.List()[0];
        EXPECT_EQ(old.question, "Second?");
        EXPECT_EQ(old.outcome, TOutcome::Unfavourable);
        EXPECT_EQ(old.savedGame, "/g.vae");
        EXPECT_EQ(old.owner, "host 1 2");
        EXPECT_EQ(old.record, "");
        TJournalEntry entry = Entry("New", TOutcome::InProgress);
        ASSERT_TRUE(store.Insert(entry));
        entry.record = "[Game \"Vaeloric Chess record 1\"]\n";
        ASSERT_TRUE(store.Update(entry));
    }
    EXPECT_EQ(UserVersion(JournalPath()), TJournalStore::kSchemaVersion);
    TJournalStore again;
    ASSERT_TRUE(again.Open(JournalPath()));
    EXPECT_TRUE(again.Message().isEmpty());
    ASSERT_EQ(again.List().size(), 2u);
    EXPECT_EQ(again.List()[0].record, "[Game \"Vaeloric Chess record 1\"]\n");
    EXPECT_EQ(again.List()[1].question, "Second?");
}

// What is not ours is moved aside whole and never altered; a journal of a
// newer version is left where it is.
TEST_F(JournalStore, ForeignDatabasesAreMovedAsideUnchanged) {
    const struct {
        const char* what;
        QStringList statements;
    } cases[] = {
        {"another program's table", {"CREATE TABLE notes (x TEXT)"}},
        {"our table beside another", QStringList(kFirstJournal) << "CREATE TABLE notes (x TEXT)"},
        {"a view", QStringList(kFirstJournal) << "CREATE VIEW v AS SELECT * FROM readings"},
        {"a trigger", QStringList(kFirstJournal)
                          << "CREATE TRIGGER t AFTER INSERT ON readings BEGIN "
                             "DELETE FROM readings; END"},
        {"an index", QStringList(kFirstJournal) << "CREATE INDEX i ON readings (question)"},
        {"other columns", {"CREATE TABLE readings (id INTEGER PRIMARY KEY, question TEXT)"}},
        {"another application", QStringList(kFirstJournal) << "PRAGMA application_id = 42"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder / "journal.sqlite");
        Sql(JournalPath(), c.statements);
        QFile file(JournalPath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();
        TJournalStore store;
        ASSERT_TRUE(store.Open(JournalPath()));
        ASSERT_TRUE(
            store.Message().contains("was not a journal of Vaeloric Chess. It was moved to "))
            << store.Message().toStdString();
        const QString aside = store.Message().section("moved to ", 1).section(" and a new", 0, 0);
        QFile old(aside);
        ASSERT_TRUE(old.open(QIODevice::ReadOnly));
        EXPECT_EQ(old.readAll(), before);
        old.remove();
        EXPECT_TRUE(store.List().empty());
        TJournalEntry entry = Entry("Ours", TOutcome::Favourable);
        EXPECT_TRUE(store.Insert(entry));
    }
    std::filesystem::remove_all(folder / "journal.sqlite");
    Sql(JournalPath(), QStringList(kFirstJournal) << "PRAGMA user_version = 99");
    TJournalStore store;
    EXPECT_FALSE(store.Open(JournalPath()));
    EXPECT_TRUE(store.Message().contains("newer version")) << store.Message().toStdString();
    EXPECT_EQ(UserVersion(JournalPath()), 99);
}

// A journal that can only be read is shown and says so at once; nothing is
// written to it.
TEST_F(JournalStore, AReadOnlyJournalSaysSoAndIsStillShown) {
    {
        TJournalStore store;
        ASSERT_TRUE(store.Open(JournalPath()));
        TJournalEntry entry = Entry("Kept?", TOutcome::Favourable);
        ASSERT_TRUE(store.Insert(entry));
    }
    chmod((folder / "journal.sqlite").c_str(), 0444);
    TJournalStore store;
    ASSERT_TRUE(store.Open(JournalPath()));
    EXPECT_TRUE(store.ReadOnly());
    EXPECT_TRUE(store.Message().contains("read-only")) << store.Message().toStdString();
    ASSERT_EQ(store.List().size(), 1u);
    TJournalEntry entry = Entry("Lost", TOutcome::Favourable);
    EXPECT_FALSE(store.Insert(entry));
    EXPECT_FALSE(store.Message().isEmpty());
}

// A full disk: the change is refused and said, nothing half-written, and the
// journal works again once there is room.
TEST_F(JournalStore, AFullDiskRefusesTheChangeAndSaysSo) {
    TJournalStore store;
    ASSERT_TRUE(store.Open(JournalPath()));
    TJournalEntry first = Entry("Before", TOutcome::InProgress);
    ASSERT_TRUE(store.Insert(first));
    TJournalEntry large = Entry("Large", TOutcome::Favourable);
    large.analysis = std::string(100000, 'x');
    first.outcome = TOutcome::Favourable;
    first.analysis = large.analysis;
    bool inserted = true, updated = true;
    test::WriteAs({"full disk", nullptr, test::TTargetRefusal::Failed, true}, [&] {
        inserted = store.Insert(large);
        updated = store.Update(first);
    });
    EXPECT_FALSE(inserted);
    EXPECT_FALSE(updated);
    EXPECT_TRUE(store.Message().startsWith("The journal could not be written"))
        << store.Message().toStdString();
    ASSERT_EQ(store.List().size(), 1u);
    EXPECT_EQ(store.List()[0].outcome, TOutcome::InProgress);
    ASSERT_TRUE(store.Update(first));
    EXPECT_EQ(store.List()[0].outcome, TOutcome::Favourable);
    // A reading that is no longer there is not reported as kept.
    ASSERT_TRUE(store.Remove(first.id));
    EXPECT_FALSE(store.Update(first));
}

}  // namespace
}  // namespace vaeloric::testing
