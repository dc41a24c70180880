// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/journal_store.h"

#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QtSql/QSqlDatabase>
#include <QtSql/QSqlQuery>
#include <csignal>

#include "tests/launcher/launcher_fixture.h"

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

}  // namespace
}  // namespace vaeloric::testing
