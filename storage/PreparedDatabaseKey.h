#pragma once

#include "storage/DatabaseKey.h"

#include <filesystem>
#include <future>

// Works out the key of qb.mdb on threads of its own, started on the first line
// of main(), so the 64 000 rounds of the derivation run while Qt starts and the
// window is built.
//
// Nothing here may make a Qt object or write to the disk. Qt takes the first
// thread that makes a QObject for its main thread, and if that were this one
// the window would never answer a click; and a start-up that is refused later
// (a missing picture) must leave no file behind. So this only reads the salt of
// the file as it is now, or picks one for a file yet to be made.
class PreparedDatabaseKey {
public:
    using Preparation = DatabaseKey (*)(const std::filesystem::path& file);

    // The game's key for the file, and OpenSSL readied for the engine that
    // opens it; a test may put another preparation in its place.
    static DatabaseKey gameKeyForFile(const std::filesystem::path& file);

    explicit PreparedDatabaseKey(std::filesystem::path file, Preparation prepare = gameKeyForFile);

    const std::filesystem::path& file() const { return file_; }

    // Waits for the derivation. The key fits the file as it was when
    // preparation began: the caller checks the salt again before trusting it.
    // Call once.
    DatabaseKey take() { return key_.get(); }

private:
    std::filesystem::path file_;
    std::future<DatabaseKey> key_;
};
