#include "storage/EngineError.h"

#include "storage/SystemRefusal.h"

#include "common/SystemPath.h"

#include <cerrno>
#include <optional>

#include <sqlite3.h>
#include <unistd.h>

const char* const kMovedAwayFileIsMadeAnew = "the game then makes a new file, with an empty hi-score list";

namespace {

// Engines from SQLite 3.22 on (SQLCipher 4, Debian 13) report a journal they
// cannot create in a read-only folder as this; older ones (SQLCipher 3.4,
// Debian 12) as a file they cannot open.
#ifndef SQLITE_READONLY_DIRECTORY
#define SQLITE_READONLY_DIRECTORY (SQLITE_READONLY | (6 << 8))
#endif

// What is wrong, and what the player can do about it.
struct CauseOfCode {
    int code;  // an extended code, or a primary code that stands for all of its kind
    const char* cause;
    std::optional<Remedy> remedy{};  // none: the cause says its own step
};

constexpr const char* kInUse = "the file is in use by another program (another copy of Quorbit, or a backup or "
                               "sync tool): close that program, then try again";

// SQLCipher reports both a wrong password and a page whose authentication fails
// as "not a database", so one sentence has to cover both. The engine reports a
// file deleted under the running game as read-only, which would send the player
// looking in the wrong place; its extended code tells the two apart, so it
// comes before the read-only entry.
const CauseOfCode kCauses[] = {
    {SQLITE_NOTADB, "wrong password or not a Quorbit database", Remedy::NewFile},
    {SQLITE_CORRUPT, "the file is damaged", Remedy::KeptCopyOrNewFile},
    {SQLITE_BUSY, kInUse},
    {SQLITE_LOCKED, kInUse},
    {SQLITE_READONLY_DBMOVED, "the file is missing (deleted or moved while the game was running): put it back, "
                              "then try again"},
    {SQLITE_READONLY, "the file or its folder is read-only: give yourself write access to both"},
    {SQLITE_PERM, "access to the file is denied: give yourself read and write access to it"},
    {SQLITE_CANTOPEN, "the file cannot be opened"},
    {SQLITE_FULL, "the disk is full: free some space, then try again"},
    {SQLITE_IOERR, "the disk could not read or write it: check the disk, then try again"},
    {SQLITE_NOMEM, "the computer ran out of memory: close other programs, then try again"},
};

// The engine writes a journal beside the file before it changes the file. In a
// folder it may not write to, that fails though the file itself is fine.
bool folderIsReadOnly(const QString& file) { return ::access(systemPath(folderOf(file)).constData(), W_OK) != 0; }

}  // namespace

QString withRemedy(const QString& problem, Remedy remedy)
{
    const QString moveAway = QStringLiteral("move it away, and %1").arg(QLatin1String(kMovedAwayFileIsMadeAnew));
    return QStringLiteral("%1: %2").arg(problem, remedy == Remedy::KeptCopyOrNewFile
                                                     ? QStringLiteral("put back a copy of it you kept, or ") + moveAway
                                                     : moveAway);
}

DatabaseError engineError(sqlite3* db, int resultCode, const QString& file)
{
    const int primary = resultCode & 0xff;
    // The engine's calls return primary codes; the handle keeps the extended
    // one of its last failure.
    int extended = resultCode;
    if (db && (sqlite3_extended_errcode(db) & 0xff) == primary) {
        extended = sqlite3_extended_errcode(db);
    }
    // No write access the player gives themselves helps on a read-only disk.
    const bool cannotWrite =
        primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || extended == SQLITE_IOERR_DELETE;
    if (cannotWrite && isOnReadOnlyMount(folderOf(file))) {
        return DatabaseError(file, systemRefusal(EROFS));
    }
    // A journal left by a crash is removed before the file is read again; the
    // engine says only that it could not delete it.
    if (extended == SQLITE_IOERR_DELETE && folderIsReadOnly(file)) {
        return DatabaseError(file, QStringLiteral("the journal a crash left beside it must be removed first, and its "
                                                  "folder %1 cannot be written by you: ask the folder's owner for "
                                                  "write access, or move the file and its -journal together into "
                                                  "a folder of your own")
                                       .arg(folderOf(file)));
    }
    if ((primary == SQLITE_CANTOPEN || extended == SQLITE_READONLY_DIRECTORY) && folderIsReadOnly(file)) {
        return DatabaseError(file, QStringLiteral("its folder is read-only, and the game must write a journal file "
                                                  "beside it while it saves: give yourself write access to the "
                                                  "folder"));
    }
    for (const CauseOfCode& known : kCauses) {
        if (known.code == extended || known.code == primary) {
            const QString cause = QString::fromLatin1(known.cause);
            return DatabaseError(file, known.remedy ? withRemedy(cause, *known.remedy) : cause);
        }
    }
    const char* engineMessage = db ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode);
    return DatabaseError(file, QString::fromUtf8(engineMessage));
}
