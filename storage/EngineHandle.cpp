#include "storage/EngineHandle.h"

#include "storage/EngineError.h"

#include "common/SystemPath.h"

#include <sqlite3.h>

namespace {

// qb.mdb is written in the SQLCipher 3 format; a later engine is told so and
// reads it as it is. Older engines ignore the pragma.
constexpr const char* kFileFormat = "PRAGMA cipher_compatibility = 3";

}  // namespace

void EngineCloser::operator()(sqlite3* db) const { sqlite3_close_v2(db); }

EngineHandle openKeyedEngine(const QString& path, const EngineOptions& options, const QString& reportAs)
{
    const int flags = SQLITE_OPEN_READWRITE | (options.mayCreate ? SQLITE_OPEN_CREATE : 0);
    sqlite3* raw = nullptr;
    const int opened = sqlite3_open_v2(systemPath(path).constData(), &raw, flags, nullptr);
    EngineHandle db(raw);  // the engine hands out a handle even when opening fails
    if (opened != SQLITE_OK) {
        throw engineError(db.get(), opened, reportAs);
    }

    const int keyed = sqlite3_key(db.get(), options.password.constData(), int(options.password.size()));
    if (keyed != SQLITE_OK) {
        throw engineError(db.get(), keyed, reportAs);
    }
    const int formatted = sqlite3_exec(db.get(), kFileFormat, nullptr, nullptr, nullptr);
    if (formatted != SQLITE_OK) {
        throw engineError(db.get(), formatted, reportAs);
    }

    // Two copies of the game on one file wait for each other instead of failing
    // at once.
    sqlite3_busy_timeout(db.get(), int(options.busyTimeout.count()));
    return db;
}
