#pragma once

#include "storage/DatabaseError.h"

struct sqlite3;

// Turns a failed engine call into the player's words. The engine's own message
// is kept only where it already names the thing that is wrong (a missing table,
// a bad column).
DatabaseError engineError(sqlite3* db, int resultCode, const QString& file);
