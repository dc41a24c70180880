// SPDX-License-Identifier: GPL-3.0-or-later

#include "launcher/journal_store.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QtSql/QSqlError>
#include <QtSql/QSqlQuery>
#include <QtSql/QSqlRecord>

namespace vaeloric {

namespace {

constexpr const char* kColumns =
    "asked_at, question, questioner, element, ptah, players, outcome, analysis, note, saved_game";

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Std(const QVariant& value) {
    return value.toString().toStdString();
}

void BindEntry(QSqlQuery& query, const TJournalEntry& entry) {
    query.addBindValue(Text(entry.askedAt));
    query.addBindValue(Text(entry.question));
    query.addBindValue(Text(entry.questionerName));
    query.addBindValue(Text(entry.element));
    query.addBindValue(Text(entry.ptahSquare));
    query.addBindValue(Text(entry.players));
    query.addBindValue(Text(OutcomeKey(entry.outcome)));
    query.addBindValue(Text(entry.analysis));
    query.addBindValue(Text(entry.note));
    query.addBindValue(Text(entry.savedGame));
}

}  // namespace

TJournalStore::~TJournalStore() {
    Close();
}

QString TJournalStore::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           "/vaeloric/journal.sqlite";
}

void TJournalStore::Close() {
    if (connection_.isEmpty()) return;
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
    connection_.clear();
}

bool TJournalStore::OpenFile(const QString& path) {
    Close();
    connection_ = QString("vaeloric-journal-%1").arg(reinterpret_cast<quintptr>(this));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    db.setDatabaseName(path);
    if (!db.open()) {
        message_ = "The journal could not be opened: " + db.lastError().text();
        return false;
    }
    QSqlQuery pragma(db);
    pragma.exec("PRAGMA synchronous = FULL");
    return true;
}

// A journal we can use: a readable SQLite file whose table, if any, has our
// columns.
bool TJournalStore::Sound() {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery check(db);
    if (!check.exec("PRAGMA quick_check") || !check.next() || check.value(0).toString() != "ok")
        return false;
    QSqlQuery tables(db);
    if (!tables.exec("SELECT count(*) FROM sqlite_master WHERE name = 'readings'") ||
        !tables.next())
        return false;
    if (tables.value(0).toInt() == 0) return true;
    QSqlQuery columns(db);
    return columns.exec(QString("SELECT id, %1 FROM readings LIMIT 0").arg(kColumns));
}

bool TJournalStore::Open(const QString& path) {
    message_.clear();
    QDir().mkpath(QFileInfo(path).absolutePath());
    const bool existed = QFileInfo::exists(path);
    if (!OpenFile(path)) return false;
    if (existed && !Sound()) {
        Close();
        const QString aside =
            path + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
        if (!QFile::rename(path, aside)) {
            message_ = "The journal " + path +
                       " is damaged and could not be moved aside; nothing will be kept this time.";
            return false;
        }
        QFile::rename(path + "-journal", aside + "-journal");
        message_ =
            "The journal was damaged. It was moved to " + aside + " and a new journal was started.";
        if (!OpenFile(path)) return false;
    }
    QSqlQuery create(QSqlDatabase::database(connection_, false));
    if (!create.exec(QString("CREATE TABLE IF NOT EXISTS readings (id INTEGER PRIMARY KEY "
                             "AUTOINCREMENT, %1)")
                         .arg(QString(kColumns).replace(",", " TEXT,") + " TEXT"))) {
        message_ = "The journal could not be prepared: " + create.lastError().text();
        return false;
    }
    return true;
}

bool TJournalStore::Insert(TJournalEntry& entry) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen() || !db.transaction()) return false;
    QSqlQuery query(db);
    query.prepare(
        QString("INSERT INTO readings (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)").arg(kColumns));
    BindEntry(query, entry);
    if (!query.exec() || !db.commit()) {
        message_ = "The journal could not be written: " + query.lastError().text();
        db.rollback();
        return false;
    }
    entry.id = query.lastInsertId().toLongLong();
    return true;
}

bool TJournalStore::Update(const TJournalEntry& entry) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen() || !db.transaction()) return false;
    QSqlQuery query(db);
    query.prepare(
        "UPDATE readings SET asked_at = ?, question = ?, questioner = ?, element = ?, ptah = ?, "
        "players = ?, outcome = ?, analysis = ?, note = ?, saved_game = ? WHERE id = ?");
    BindEntry(query, entry);
    query.addBindValue(static_cast<qlonglong>(entry.id));
    if (!query.exec() || !db.commit()) {
        message_ = "The journal could not be written: " + query.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}

bool TJournalStore::Remove(std::int64_t id) {
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen() || !db.transaction()) return false;
    QSqlQuery query(db);
    query.prepare("DELETE FROM readings WHERE id = ?");
    query.addBindValue(static_cast<qlonglong>(id));
    if (!query.exec() || !db.commit()) {
        db.rollback();
        return false;
    }
    return true;
}

std::vector<TJournalEntry> TJournalStore::List() const {
    std::vector<TJournalEntry> entries;
    QSqlQuery query(QSqlDatabase::database(connection_, false));
    if (!query.exec(QString("SELECT id, %1 FROM readings ORDER BY id DESC").arg(kColumns)))
        return entries;
    while (query.next()) {
        TJournalEntry entry;
        entry.id = query.value(0).toLongLong();
        entry.askedAt = Std(query.value(1));
        entry.question = Std(query.value(2));
        entry.questionerName = Std(query.value(3));
        entry.element = Std(query.value(4));
        entry.ptahSquare = Std(query.value(5));
        entry.players = Std(query.value(6));
        entry.outcome = OutcomeFromKey(Std(query.value(7)));
        entry.analysis = Std(query.value(8));
        entry.note = Std(query.value(9));
        entry.savedGame = Std(query.value(10));
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace vaeloric
