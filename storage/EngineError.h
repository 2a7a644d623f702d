#pragma once

#include "storage/DatabaseError.h"

struct sqlite3;

// What follows when the player moves a refused file away, for the refusals
// that only a new file mends.
extern const char* const kMovedAwayFileIsMadeAnew;

// Turns a failed engine call into the player's words. The engine's own message
// is kept only where it already names the thing that is wrong (a missing table,
// a bad column).
DatabaseError engineError(sqlite3* db, int resultCode, const QString& file);
