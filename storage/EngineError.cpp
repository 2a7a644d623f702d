#include "storage/EngineError.h"

#include "common/SystemPath.h"

#include <sqlite3.h>
#include <unistd.h>

namespace {

constexpr const char* kInUse = "the file is in use by another program (another copy of Quorbit, or a backup or "
                               "sync tool): close that program, then try again";

struct CauseOfCode {
    int code;  // an extended code, or a primary code that stands for all of its kind
    const char* cause;
};

// SQLCipher reports both a wrong password and a page whose authentication fails
// as "not a database", so one sentence has to cover both. The engine reports a
// file deleted under the running game as read-only, which would send the player
// looking in the wrong place; its extended code tells the two apart, so it
// comes before the read-only entry.
constexpr CauseOfCode kCauses[] = {
    {SQLITE_NOTADB, "wrong password or not a Quorbit database"},
    {SQLITE_CORRUPT, "the file is damaged"},
    {SQLITE_BUSY, kInUse},
    {SQLITE_LOCKED, kInUse},
    {SQLITE_READONLY_DBMOVED, "the file is missing (deleted or moved while the game was running)"},
    {SQLITE_READONLY, "the file or its folder is read-only"},
    {SQLITE_PERM, "access to the file is denied"},
    {SQLITE_CANTOPEN, "the file cannot be opened"},
    {SQLITE_FULL, "the disk is full"},
    {SQLITE_IOERR, "the disk could not read or write it"},
    {SQLITE_NOMEM, "the computer ran out of memory"},
};

// The engine writes a journal beside the file before it changes the file. In a
// folder it may not write to, that fails as a file it "cannot open", though
// the file itself is fine.
bool folderIsReadOnly(const QString& file) { return ::access(systemPath(folderOf(file)).constData(), W_OK) != 0; }

}  // namespace

DatabaseError engineError(sqlite3* db, int resultCode, const QString& file)
{
    const int primary = resultCode & 0xff;
    // The engine's calls return primary codes; the handle keeps the extended
    // one of its last failure.
    int extended = resultCode;
    if (db && (sqlite3_extended_errcode(db) & 0xff) == primary) {
        extended = sqlite3_extended_errcode(db);
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
    if (primary == SQLITE_CANTOPEN && folderIsReadOnly(file)) {
        return DatabaseError(file, QStringLiteral("its folder is read-only, and the game must write a journal file "
                                                  "beside it while it saves"));
    }
    for (const CauseOfCode& known : kCauses) {
        if (known.code == extended || known.code == primary) {
            return DatabaseError(file, QString::fromLatin1(known.cause));
        }
    }
    const char* engineMessage = db ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode);
    return DatabaseError(file, QString::fromUtf8(engineMessage));
}
