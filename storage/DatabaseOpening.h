#pragma once

#include "storage/Connection.h"

#include <QString>
#include <future>

// Opens the game's database file on a thread of its own. Opening runs the
// password's key derivation, which costs about as much as building the whole
// window; started first thing, the two overlap. The connection is handed
// over, or the reason it could not be opened rethrown, by take(), on the
// thread that uses the database from then on.
class DatabaseOpening {
public:
    explicit DatabaseOpening(const QString& file);

    const QString& file() const { return file_; }

    // Waits for the opening to finish; throws DatabaseError when it failed.
    // Call once.
    Connection take();

private:
    QString file_;
    std::future<Connection> opened_;
};
