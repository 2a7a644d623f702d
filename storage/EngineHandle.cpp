#include "storage/EngineHandle.h"

#include "storage/DatabaseError.h"
#include "storage/EngineError.h"

#include "common/SystemPath.h"

#include <sqlite3.h>

namespace {

// qb.mdb is written in the SQLCipher 3 format; a later engine is told so and
// reads it as it is. Older engines ignore the pragma.
constexpr const char* kFileFormat = "PRAGMA cipher_compatibility = 3";
// The hi-score list is sorted by the engine; in memory, a list of a million
// rows would be held whole for it. On disk the engine keeps only a little.
constexpr const char* kSortOnDisk = "PRAGMA temp_store = FILE";

// SQLCipher 4.6 writes its own log lines to standard error, such as a failed
// page check on a refused file; the player is told by the game's message
// alone. Engines before 4.5 ignore the pragma.
constexpr const char* kNoEngineLog = "PRAGMA cipher_log_level = NONE";

// The engine names a file's journal after it.
constexpr std::size_t kJournalSuffixLength = sizeof "-journal" - 1;

}  // namespace

std::size_t longestEnginePath() { return std::size_t(sqlite3_vfs_find(nullptr)->mxPathname) - kJournalSuffixLength; }

void requirePathTheEngineTakes(const QString& path)
{
    const QString absolute = absolutePath(path);
    if (const auto length = std::size_t(systemPath(absolute).size()); length > longestEnginePath()) {
        throw DatabaseError(absolute,
                            QStringLiteral("its path is %1 bytes long, and the database engine takes paths of "
                                           "at most %2 bytes: keep it in a folder with a shorter path (for an "
                                           "installed copy, set XDG_DATA_HOME to one)")
                                .arg(length)
                                .arg(longestEnginePath()));
    }
}

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
    for (const char* setting : {kNoEngineLog, kFileFormat, kSortOnDisk}) {
        if (const int set = sqlite3_exec(db.get(), setting, nullptr, nullptr, nullptr); set != SQLITE_OK) {
            throw engineError(db.get(), set, reportAs);
        }
    }

    // Two copies of the game on one file wait for each other instead of failing
    // at once.
    sqlite3_busy_timeout(db.get(), int(options.busyTimeout.count()));
    return db;
}
