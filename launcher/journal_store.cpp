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

#include "flow/safe_file.h"

namespace vaeloric {

namespace {

constexpr const char* kColumns =
    "asked_at, question, questioner, element, ptah, players, outcome, analysis, note, saved_game, "
    "owner, record";
// The columns of version 1, before the game's record was kept.
constexpr const char* kSecondColumns =
    "id, asked_at, question, questioner, element, ptah, players, outcome, analysis, note, "
    "saved_game, owner";
// The columns of the first journals, which had no schema version.
constexpr const char* kFirstColumns =
    "id, asked_at, question, questioner, element, ptah, players, outcome, analysis, note, "
    "saved_game";
// "Vael": marks the file as a journal of ours for tools such as file(1).
constexpr int kApplicationId = 0x5661656C;

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
    query.addBindValue(Text(entry.owner));
    query.addBindValue(Text(entry.record));
}

int IntegerPragma(QSqlDatabase& db, const char* name) {
    QSqlQuery query(db);
    if (!query.exec(QString("PRAGMA %1").arg(name)) || !query.next()) return -1;
    return query.value(0).toInt();
}

QString ColumnNames(QSqlDatabase& db) {
    QSqlQuery query(db);
    QStringList names;
    if (query.exec("PRAGMA table_info(readings)"))
        while (query.next()) names << query.value(1).toString();
    return names.join(", ");
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

QSqlDatabase TJournalStore::Database() const {
    return QSqlDatabase::database(connection_, false);
}

bool TJournalStore::OpenFile(const QString& path, bool readOnly) {
    Close();
    connection_ = QString("vaeloric-journal-%1").arg(reinterpret_cast<quintptr>(this));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", connection_);
    db.setDatabaseName(path);
    if (readOnly) db.setConnectOptions("QSQLITE_OPEN_READONLY");
    if (!db.open()) {
        message_ = "The journal could not be opened: " + db.lastError().text();
        return false;
    }
    QSqlQuery pragma(db);
    pragma.exec("PRAGMA synchronous = FULL");
    return true;
}

// What the file holds: a readable SQLite file with nothing but our table, of
// a schema version we know.
TJournalStore::TKind TJournalStore::Examine() {
    QSqlDatabase db = Database();
    QSqlQuery check(db);
    if (!check.exec("PRAGMA quick_check") || !check.next() || check.value(0).toString() != "ok")
        return TKind::Damaged;
    const int version = IntegerPragma(db, "user_version");
    const int application = IntegerPragma(db, "application_id");
    if (version < 0 || application < 0) return TKind::Damaged;
    if (application != 0 && application != kApplicationId) return TKind::Foreign;
    if (version > kSchemaVersion) return TKind::Newer;
    // Only our table and the counter SQLite keeps for it: no view, trigger,
    // index or table of anyone else's.
    QSqlQuery objects(db);
    if (!objects.exec("SELECT type, name FROM sqlite_master")) return TKind::Damaged;
    bool table = false;
    while (objects.next()) {
        const QString type = objects.value(0).toString(), name = objects.value(1).toString();
        if (type == "table" && name == "readings")
            table = true;
        else if (!(type == "table" && name == "sqlite_sequence"))
            return TKind::Foreign;
    }
    if (!table) return version == 0 && application == 0 ? TKind::Empty : TKind::Foreign;
    const QString columns = ColumnNames(db);
    if (version == 0 && columns == kFirstColumns) return TKind::First;
    if (version == 1 && columns == kSecondColumns) return TKind::Second;
    if (version == kSchemaVersion && columns == QString("id, ") + kColumns) return TKind::Current;
    return TKind::Foreign;
}

bool TJournalStore::MoveAside(const QString& path, const QString& what) {
    Close();
    const QString aside =
        path + ".damaged-" + QDateTime::currentDateTime().toString("yyyyMMdd-hhmmss");
    if (!QFile::rename(path, aside)) {
        message_ = "The journal " + path + " " + what +
                   " and could not be moved aside; nothing will be kept this time.";
        return false;
    }
    QFile::rename(path + "-journal", aside + "-journal");
    message_ =
        "The journal " + what + ". It was moved to " + aside + " and a new journal was started.";
    return true;
}

// Makes a new file our journal, or brings the first journals up to date.
bool TJournalStore::Prepare(TKind kind) {
    QSqlDatabase db = Database();
    if (!db.transaction()) return false;
    QSqlQuery query(db);
    bool done = true;
    if (kind == TKind::Empty)
        done =
            query.exec(QString("CREATE TABLE readings (id INTEGER PRIMARY KEY AUTOINCREMENT, %1)")
                           .arg(QString(kColumns).replace(",", " TEXT,") + " TEXT"));
    else if (kind == TKind::First)
        done = query.exec("ALTER TABLE readings ADD COLUMN owner TEXT") &&
               query.exec("ALTER TABLE readings ADD COLUMN record TEXT");
    else if (kind == TKind::Second)
        done = query.exec("ALTER TABLE readings ADD COLUMN record TEXT");
    done = done && query.exec(QString("PRAGMA user_version = %1").arg(kSchemaVersion)) &&
           query.exec(QString("PRAGMA application_id = %1").arg(kApplicationId));
    if (done && db.commit()) return true;
    problem_ = db.lastError().text().isEmpty() ? query.lastError().text() : db.lastError().text();
    db.rollback();
    return false;
}

// Whether a change could be written: a write that is taken back at once.
bool TJournalStore::Writable() {
    QSqlDatabase db = Database();
    QSqlQuery query(db);
    const bool writable = query.exec("BEGIN IMMEDIATE") &&
                          query.exec(QString("PRAGMA user_version = %1").arg(kSchemaVersion));
    if (!writable) problem_ = query.lastError().text();
    QSqlQuery(db).exec("ROLLBACK");
    return writable;
}

bool TJournalStore::Open(const QString& path) {
    message_.clear();
    problem_.clear();
    readOnly_ = false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    const std::string target = path.toStdString();
    switch (CheckWriteTarget(target)) {
        case TFileOutcome::NotRegular:
        case TFileOutcome::UnsafeLink:
            message_ =
                "The journal " + path + " is not a regular file; nothing will be kept this time.";
            return false;
        case TFileOutcome::ReadOnly:
            readOnly_ = true;
            break;
        case TFileOutcome::Done:
        case TFileOutcome::Failed:
            break;
    }
    const bool existed = QFileInfo::exists(path);
    if (!OpenFile(path, readOnly_)) return false;
    TKind kind = existed ? Examine() : TKind::Empty;
    if (kind == TKind::Newer) {
        Close();
        message_ = "The journal " + path +
                   " was written by a newer version of Vaeloric Chess; it is left as it is and "
                   "nothing will be kept this time.";
        return false;
    }
    if (kind == TKind::Damaged || kind == TKind::Foreign) {
        if (readOnly_) {
            Close();
            message_ = "The journal " + path +
                       " is read-only and not a journal of ours; nothing will be kept this time.";
            return false;
        }
        if (!MoveAside(path, kind == TKind::Damaged ? "was damaged"
                                                    : "was not a journal of Vaeloric Chess"))
            return false;
        if (!OpenFile(path, false)) return false;
        kind = TKind::Empty;
    }
    if (readOnly_ && kind != TKind::Current && kind != TKind::Second && kind != TKind::First) {
        Close();
        message_ = "The journal " + path + " is read-only; nothing will be kept this time.";
        return false;
    }
    const bool usable = !readOnly_ && (kind == TKind::Current ? Writable() : Prepare(kind));
    if (!usable) {
        // Shown, but not changed: the readings of this session are not kept.
        readOnly_ = true;
        if (kind == TKind::Empty) {
            Close();
            message_ = "The journal " + path + " could not be made (" + problem_ +
                       "); nothing will be kept this time.";
            return false;
        }
        if (!message_.isEmpty()) message_ += ' ';
        message_ += "The journal " + path +
                    (problem_.isEmpty() ? QString(" is read-only")
                                        : " cannot be written (" + problem_ + ")") +
                    ": its readings are shown, but the readings of this session will not be kept.";
    }
    return true;
}

bool TJournalStore::Failed(const QString& what, QSqlDatabase& db, const QString& error) {
    message_ = "The journal could not be written (" + (error.isEmpty() ? what : error) + ").";
    db.rollback();
    return false;
}

bool TJournalStore::Insert(TJournalEntry& entry) {
    QSqlDatabase db = Database();
    if (!db.isOpen() || readOnly_) {
        message_ = "The journal is not kept this time.";
        return false;
    }
    if (!db.transaction()) return Failed("no transaction", db, db.lastError().text());
    QSqlQuery query(db);
    query.prepare(QString("INSERT INTO readings (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(kColumns));
    BindEntry(query, entry);
    if (!query.exec()) return Failed("insert", db, query.lastError().text());
    const qlonglong id = query.lastInsertId().toLongLong();
    if (!db.commit()) return Failed("commit", db, db.lastError().text());
    entry.id = id;
    return true;
}

bool TJournalStore::Update(const TJournalEntry& entry) {
    QSqlDatabase db = Database();
    if (!db.isOpen() || readOnly_ || entry.id <= 0) {
        message_ = "The journal is not kept this time.";
        return false;
    }
    if (!db.transaction()) return Failed("no transaction", db, db.lastError().text());
    QSqlQuery query(db);
    query.prepare(
        "UPDATE readings SET asked_at = ?, question = ?, questioner = ?, element = ?, ptah = ?, "
        "players = ?, outcome = ?, analysis = ?, note = ?, saved_game = ?, owner = ?, record = ? "
        "WHERE id = ?");
    BindEntry(query, entry);
    query.addBindValue(static_cast<qlonglong>(entry.id));
    if (!query.exec()) return Failed("update", db, query.lastError().text());
    // A reading deleted meanwhile (by another launcher) is not written back.
    if (query.numRowsAffected() != 1) return Failed("the reading is no longer there", db, {});
    if (!db.commit()) return Failed("commit", db, db.lastError().text());
    return true;
}

bool TJournalStore::Remove(std::int64_t id) {
    QSqlDatabase db = Database();
    if (!db.isOpen() || readOnly_ || !db.transaction()) return false;
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
    if (!Database().isOpen()) return entries;
    QSqlQuery query(Database());
    // A journal of an earlier version (read-only, so not brought up to date)
    // has no owners or no records.
    if (!query.exec(QString("SELECT id, %1 FROM readings ORDER BY id DESC").arg(kColumns)) &&
        !query.exec(QString("SELECT %1, '' FROM readings ORDER BY id DESC").arg(kSecondColumns)) &&
        !query.exec(QString("SELECT %1, '', '' FROM readings ORDER BY id DESC").arg(kFirstColumns)))
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
        entry.owner = Std(query.value(11));
        entry.record = Std(query.value(12));
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace vaeloric
