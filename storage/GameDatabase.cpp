#include "storage/GameDatabase.h"

#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/DatabaseKey.h"
#include "storage/GameSchema.h"
#include "storage/ScratchFile.h"

#include "common/SystemPath.h"

#include <cerrno>
#include <sys/stat.h>
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
    if (prepared) {
        cn.open(file, *prepared);
    } else {
        cn.open(file);
    }
}

// Makes `folder` and those above it that are missing, for the owner alone, as
// the desktop's rules for a user's data folders ask. 0 or an errno.
int makeFolder(const QString& folder)
{
    const QByteArray path = systemPath(folder);
    const auto make = [&path] { return ::mkdir(path.constData(), S_IRWXU) == 0 ? 0 : errno; };
    int failed = make();
    if (failed == ENOENT && folder != folderOf(folder)) {
        failed = makeFolder(folderOf(folder));
        failed = failed != 0 ? failed : make();
    }
    if (failed == EEXIST) {
        // Made before, or by another copy just now; or a file of that name.
        struct stat status {};
        failed = ::stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    }
    return failed;
}

// The user's data folder may not exist before the game first runs.
void makeFolderOf(const QString& file)
{
    const QString folder = folderOf(file);
    if (const int failed = makeFolder(folder)) {
        throw DatabaseError(file, QStringLiteral("cannot create the folder %1: %2")
                                      .arg(folder, QString::fromStdString(std::generic_category().message(failed))));
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
        if (!pathExists(file)) {
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
    ScratchFile::removeAbandoned(file);
    if (pathExists(file)) {
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
