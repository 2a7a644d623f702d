#include "storage/EngineError.h"

#include <sqlite3.h>

namespace {

struct CauseOfCode {
    int primaryCode;
    const char* cause;
};

// SQLCipher reports both a wrong password and a page whose authentication fails as "not a
// database", so one sentence has to cover both.
constexpr CauseOfCode kCauses[] = {
    {SQLITE_NOTADB, "wrong password or not a Quorbit database"},
    {SQLITE_CORRUPT, "the file is damaged"},
    {SQLITE_BUSY, "the file is locked by another program"},
    {SQLITE_LOCKED, "the file is locked by another program"},
    {SQLITE_READONLY, "the file or its folder is read-only"},
    {SQLITE_PERM, "access to the file is denied"},
    {SQLITE_CANTOPEN, "the file cannot be opened"},
    {SQLITE_FULL, "the disk is full"},
    {SQLITE_IOERR, "the disk could not read or write it"},
    {SQLITE_NOMEM, "the computer ran out of memory"},
};

}  // namespace

DatabaseError engineError(sqlite3* db, int resultCode, const QString& file)
{
    const int primary = resultCode & 0xff;
    for (const CauseOfCode& known : kCauses) {
        if (known.primaryCode == primary)
            return DatabaseError(file, QString::fromLatin1(known.cause));
    }
    const char* engineMessage = db ? sqlite3_errmsg(db) : sqlite3_errstr(resultCode);
    return DatabaseError(file, QString::fromUtf8(engineMessage));
}
