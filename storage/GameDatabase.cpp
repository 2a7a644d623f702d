#include "storage/GameDatabase.h"

#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/DatabaseKey.h"
#include "storage/GameSchema.h"

#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {

// Column 1 of the engine's table_info rows holds the column name.
constexpr int kTableInfoNameColumn = 1;

QStringList columnNamesOf(Connection& cn, const QString& table)
{
    const RecordSet info = cn.openRecordSet(QStringLiteral(R"(PRAGMA main.table_info("%1"))").arg(table));
    QStringList names;
    for (int row = 0; row < info.rowCount(); ++row) {
        names << info.value(kTableInfoNameColumn, row).toString().toLower();
    }
    return names;
}

// The game reads hiscores by position, so the columns must come first and in
// this order.
void checkTable(Connection& cn, const TableLayout& table)
{
    const QStringList actual = columnNamesOf(cn, table.name);
    if (actual.isEmpty()) {
        throw DatabaseError(cn.file(), QStringLiteral("the table %1 is missing").arg(table.name));
    }
    QStringList expected;
    for (const ColumnLayout& column : table.columns) {
        expected << column.name;
    }
    if (actual.mid(0, expected.size()) != expected) {
        throw DatabaseError(cn.file(), QStringLiteral("the table %1 has the columns %2 instead of %3")
                                           .arg(table.name, actual.join(QStringLiteral(", ")),
                                                expected.join(QStringLiteral(", "))));
    }
}

void openExisting(Connection& cn, const QString& file, const std::optional<DatabaseKey>& prepared)
{
    // The file may have been replaced since the key was prepared; only its own
    // salt will do.
    if (prepared && saltOfFile(QFile::encodeName(file).toStdString()) == prepared->salt) {
        cn.open(file, *prepared);
    } else {
        cn.open(file);
    }
}

// The user's data folder may not exist before the game first runs.
void makeFolderOf(const QString& file)
{
    const std::filesystem::path folder = QFile::encodeName(QFileInfo(file).absolutePath()).toStdString();
    std::error_code failed;
    std::filesystem::create_directories(folder, failed);
    if (failed) {
        throw DatabaseError(file,
                            QStringLiteral("cannot create the folder %1: %2")
                                .arg(QFile::decodeName(folder.c_str()), QString::fromStdString(failed.message())));
    }
}

void createNew(Connection& cn, const QString& file, const std::optional<DatabaseKey>& prepared)
{
    makeFolderOf(file);
    try {
        if (prepared) {
            cn.create(file, *prepared);
        } else {
            cn.create(file);
        }
    } catch (const DatabaseError&) {
        // Another copy of the game, started at the same moment, made the
        // file first; it is as new as ours would have been.
        if (!QFileInfo::exists(file)) {
            throw;
        }
        openExisting(cn, file, prepared);
    }
}

void checkTables(Connection& cn)
{
    try {
        for (const TableLayout& table : gameTables()) {
            checkTable(cn, table);
        }
    } catch (...) {
        cn.close();
        throw;
    }
}

}  // namespace

void openGameDatabase(Connection& cn, const QString& file, const std::optional<DatabaseKey>& prepared)
{
    if (QFileInfo::exists(file)) {
        openExisting(cn, file, prepared);
    } else {
        createNew(cn, file, prepared);
    }
    checkTables(cn);
}

void reopenGameDatabase(Connection& cn)
{
    Connection fresh;
    fresh.setBusyTimeout(cn.busyTimeout());
    fresh.open(cn.file());
    checkTables(fresh);
    cn = std::move(fresh);
}
