#include "storage/GameDatabase.h"

#include "storage/Connection.h"
#include "storage/DatabaseError.h"
#include "storage/DatabaseKey.h"
#include "storage/EngineError.h"
#include "storage/EngineHandle.h"
#include "storage/GameSchema.h"
#include "storage/ScratchFile.h"
#include "storage/SystemRefusal.h"

#include "common/BrokenLink.h"
#include "common/SystemPath.h"

#include <cerrno>
#include <sys/stat.h>

namespace {

// The engine's table_info rows: cid, name, type, notnull, dflt_value, pk.
enum TableInfoColumn { kInfoName = 1, kInfoType, kInfoNotNull, kInfoDefault, kInfoKey };

// A column the game leaves out of its rows must be one the engine can fill by
// itself: it may be empty, has a default, or numbers the rows.
bool fillsItself(const RecordSet& info, int row)
{
    const bool rowNumber =
        info.value(kInfoKey, row).toInt() > 0 &&
        info.value(kInfoType, row).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
    return info.value(kInfoNotNull, row).toInt() == 0 || !info.value(kInfoDefault, row).isNull() || rowNumber;
}

// A file whose tables the game cannot use was changed by hand or by another
// program: a copy kept from before mends it, or a new file.
DatabaseError refusedShape(const Connection& cn, const QString& problem)
{
    return DatabaseError(cn.file(), withRemedy(problem, Remedy::KeptCopyOrNewFile));
}

// The game writes to both tables: a view takes no row and no update.
void checkIsTable(Connection& cn, const QString& table)
{
    const RecordSet kind = cn.openRecordSet(
        QStringLiteral("SELECT type FROM main.sqlite_master WHERE name = '%1' COLLATE NOCASE").arg(table));
    if (!kind.eof() && kind.value(0, 0).toString() != QLatin1String("table")) {
        throw refusedShape(cn, QStringLiteral("%1 is a %2, not a table, and the game cannot write to it")
                                   .arg(table, kind.value(0, 0).toString()));
    }
}

// The game reads hiscores by position, so the columns must come first and in
// this order.
void checkTable(Connection& cn, const TableLayout& table)
{
    const RecordSet info = cn.openRecordSet(QStringLiteral(R"(PRAGMA main.table_info("%1"))").arg(table.name));
    QStringList actual;
    for (int row = 0; row < info.rowCount(); ++row) {
        actual << info.value(kInfoName, row).toString().toLower();
    }
    if (actual.isEmpty()) {
        throw refusedShape(cn, QStringLiteral("the table %1 is missing").arg(table.name));
    }
    QStringList expected;
    for (const ColumnLayout& column : table.columns) {
        expected << column.name;
    }
    if (actual.mid(0, expected.size()) != expected) {
        throw refusedShape(cn, QStringLiteral("the table %1 has the columns %2 instead of %3")
                                   .arg(table.name, actual.join(QStringLiteral(", ")),
                                        expected.join(QStringLiteral(", "))));
    }
    checkIsTable(cn, table.name);
    for (int row = int(expected.size()); row < info.rowCount(); ++row) {
        if (!fillsItself(info, row)) {
            throw refusedShape(cn, QStringLiteral("the table %1 has a column %2 that must be filled (NOT NULL "
                                                  "without a default), and the game fills only %3")
                                       .arg(table.name, actual.at(row), expected.join(QStringLiteral(", "))));
        }
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
int makeFolder(const QString& folder, const QString& file)
{
    const QByteArray path = systemPath(folder);
    const auto make = [&path] { return ::mkdir(path.constData(), S_IRWXU) == 0 ? 0 : errno; };
    int failed = make();
    if (failed == ENOENT && folder != folderOf(folder)) {
        failed = makeFolder(folderOf(folder), file);
        failed = failed != 0 ? failed : make();
    }
    if (failed == EEXIST) {
        // Made before, or by another copy just now; or a file of that name.
        if (const auto link = describeBrokenLink(folder)) {
            throw DatabaseError(file, QStringLiteral("the folder %1 is %2: point the link at a folder, or remove it "
                                                     "and the game makes the folder")
                                          .arg(folder, *link));
        }
        struct stat status {};
        failed = ::stat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    }
    return failed;
}

// The user's data folder may not exist before the game first runs.
void makeFolderOf(const QString& file)
{
    const QString folder = folderOf(file);
    // A broken link is named where it is met, by makeFolder.
    if (const int failed = makeFolder(folder, file)) {
        throw DatabaseError(file, QStringLiteral("cannot create the folder %1: %2").arg(folder, systemRefusal(failed)));
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
    // Before any folder is made for a file the engine could not use.
    requirePathTheEngineTakes(file);
    ScratchFile::removeAbandoned(file);
    // Neither opened nor made anew: the player meant the link to lead to it.
    if (const auto link = describeBrokenLink(file)) {
        throw DatabaseError(file, QStringLiteral("it is %1: point the link at the file, or remove the link and the "
                                                 "game makes a new file")
                                      .arg(*link));
    }
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
