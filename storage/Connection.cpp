#include "storage/Connection.h"

#include "storage/DatabaseError.h"
#include "storage/EngineError.h"
#include "storage/GameSchema.h"
#include "storage/ScratchFile.h"
#include "storage/SqlDialect.h"
#include "storage/Statement.h"

#include "common/RegularFile.h"
#include "common/SystemPath.h"

#include <algorithm>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/stat.h>

const char* const Connection::kPassword = "rk58302746tolbem";

namespace {

// Reads every page, so a wrong password, a foreign file or a damaged page is
// found now and not in the middle of a game. Reading never writes.
void checkReadable(sqlite3* db, const QString& file)
{
    Statement check(db, QStringLiteral("PRAGMA quick_check"), file);
    while (check.step()) {
        if (check.row().value(0).toString() != QLatin1String("ok")) {
            throw engineError(nullptr, SQLITE_CORRUPT, file);
        }
    }
}

}  // namespace

EngineHandle Connection::openEngine(const QString& path, const QByteArray& keyText, bool mayCreate,
                                    const QString& reportAs) const
{
    return openKeyedEngine(path, {keyText, mayCreate, busyTimeout_}, reportAs);
}

void Connection::open(const QString& file) { openKeyed(file, QByteArray(kPassword)); }

void Connection::open(const QString& file, const DatabaseKey& key)
{
    try {
        openKeyed(file, key.engineKeyText());
    } catch (const DatabaseError&) {
        // The key fits the salt the file had when the key was worked out. A
        // file replaced since (by another copy of the game, or by the player)
        // is given one more chance, with the password.
        if (saltOfFile(systemPath(absolutePath(file)).toStdString()) == key.salt) {
            throw;
        }
        open(file);
    }
}

void Connection::create(const QString& file) { createKeyed(file, QByteArray(kPassword)); }

void Connection::create(const QString& file, const DatabaseKey& key) { createKeyed(file, key.engineKeyText()); }

void Connection::openKeyed(const QString& file, const QByteArray& keyText)
{
    close();
    const QString path = absolutePath(file);
    requirePathTheEngineTakes(path);
    // Only a regular file goes to the engine, which would wait for good on a
    // named pipe.
    const RegularFile checked(systemPath(path).constData());
    if (!checked.isOpen()) {
        throw DatabaseError(path, checked.isSomethingElse() ? withRemedy(checked.refusal(), Remedy::NewFile)
                                                            : checked.refusal());
    }
    // The engine takes a file of no bytes for a new database; it holds no
    // hi-score, so deleting it loses nothing.
    if (struct stat status{}; ::fstat(checked.descriptor(), &status) == 0 && status.st_size == 0) {
        throw DatabaseError(
            path, QStringLiteral("the file is empty: delete it, and %1").arg(QLatin1String(kMovedAwayFileIsMadeAnew)));
    }

    EngineHandle db = openEngine(path, keyText, false, path);
    checkReadable(db.get(), path);
    db_ = std::move(db);
    file_ = path;
}

void Connection::createKeyed(const QString& file, const QByteArray& keyText)
{
    close();
    const QString path = absolutePath(file);
    requirePathTheEngineTakes(path);
    if (pathExists(path)) {
        throw DatabaseError(path, QStringLiteral("a file of that name is already there"));
    }

    // Built beside its final place and renamed into it, so nobody ever finds
    // half a database.
    ScratchFile scratch(path);
    {
        EngineHandle db = openEngine(scratch.path(), keyText, true, path);
        for (const QString& statement : newDatabaseStatements()) {
            Statement(db.get(), statement, path).step();
        }
    }
    scratch.moveInto(path);
    openKeyed(path, keyText);
}

void Connection::setBusyTimeout(std::chrono::milliseconds timeout)
{
    busyTimeout_ = timeout;
    if (isOpen()) {
        sqlite3_busy_timeout(db_.get(), int(timeout.count()));
    }
}

void Connection::close()
{
    db_.reset();
    file_.clear();
}

void Connection::requireOpen() const
{
    if (!isOpen()) {
        throw std::logic_error("Connection: the database is not open");
    }
}

RecordSet Connection::openRecordSet(const QString& source, std::optional<int> mostRows)
{
    requireOpen();
    Statement query(db_.get(), recordSetSql(source), file_);
    QList<QVariantList> rows;
    while ((!mostRows || rows.size() < *mostRows) && query.step()) {
        rows << query.row();
    }
    return RecordSet(file_, query.columnNames(), std::move(rows));
}

void Connection::execute(const QString& sql, const QList<QVariant>& values)
{
    requireOpen();
    Statement command(db_.get(), toEngineDialect(sql), file_);
    for (qsizetype i = 0; i < values.size(); ++i) {
        command.bind(int(i + 1), values.at(i));
    }
    while (command.step()) {
        // Rows a command returns are not wanted; stepping on runs it to the
        // end.
    }
}

void Connection::addRow(const QString& table, const QList<QVariant>& values)
{
    requireOpen();
    const QList<TableLayout>& tables = gameTables();
    const auto layout = std::find_if(tables.cbegin(), tables.cend(),
                                     [&table](const TableLayout& known) { return known.name == table; });
    if (layout == tables.cend() || values.size() > layout->columns.size()) {
        throw std::invalid_argument("Connection::addRow: not a game table, or too many values");
    }
    // The columns are named, so a table another tool gave more columns still
    // takes the row, as long as those may stay empty.
    QStringList columns;
    QStringList placeholders;
    for (qsizetype i = 0; i < values.size(); ++i) {
        columns << QStringLiteral(R"("%1")").arg(layout->columns.at(i).name);
        placeholders << QStringLiteral("?");
    }
    Statement insert(db_.get(),
                     QStringLiteral(R"(INSERT INTO "%1" (%2) VALUES (%3))")
                         .arg(table, columns.join(QLatin1Char(',')), placeholders.join(QLatin1Char(','))),
                     file_);
    for (qsizetype i = 0; i < values.size(); ++i) {
        insert.bind(int(i + 1), values.at(i));
    }
    insert.step();
}
