#pragma once

#include "storage/DatabaseError.h"

struct sqlite3;

// What follows when the player moves a refused file away, for the refusals
// that only a new file mends.
extern const char* const kMovedAwayFileIsMadeAnew;

// The steps for a file the game cannot use at all: a new file mends it, or a
// copy the player kept of a file that once was good.
enum class Remedy { NewFile, KeptCopyOrNewFile };
QString withRemedy(const QString& problem, Remedy remedy);

// Turns a failed engine call into the player's words. The engine's own message
// is kept only where it already names the thing that is wrong (a missing table,
// a bad column).
DatabaseError engineError(sqlite3* db, int resultCode, const QString& file);
