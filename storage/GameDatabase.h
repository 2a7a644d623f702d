#pragma once

#include "storage/DatabaseKey.h"

#include <QString>
#include <optional>

class Connection;

// Opens qb.mdb for the game, making a fresh one (and its folder) when there is
// none, and makes sure both tables are there with their columns. What a copy
// killed while it made the file left beside it is removed first. A file that is
// refused is closed again untouched. A key prepared in advance is used when it
// still fits the file's salt, and gives a new file its salt; without one the
// engine derives the key from the password.
void openGameDatabase(Connection& cn, const QString& file, const std::optional<DatabaseKey>& prepared = {});

// Opens the file cn uses afresh, with cn's busy wait, and checks its tables as
// above: the file may have been deleted, replaced or freed since. A file that
// is not there is not made again, and cn stays as it was when this fails.
void reopenGameDatabase(Connection& cn);
