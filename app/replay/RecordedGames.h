#pragma once

#include "replay/Recording.h"

#include <QString>
#include <cstdio>
#include <optional>

struct GameFiles;

// The options that work on the recorded hi-score games. None of them moves the
// stored counter or writes to qb.mdb, and a hi-score file that is not there
// is not made.

// Plays every recorded game of the list again, without a window on screen,
// and prints a line for each row, best first: its name, listed score and
// level, the replayed ones, and "ok", "differs" or "no recording". 0 when
// every row with a recording matches it, 1 when one differs or the file
// cannot be read, naming why on `err`.
int verifyRecordedGames(const GameFiles& files, std::FILE* out, std::FILE* err);

// Writes the recording of the list's row `row` (1 to 10, as shown) to `file`.
int exportRecordedGame(const GameFiles& files, int row, const QString& file, std::FILE* err);

// The recording in `file`, which may be anything: too large, cut short or
// made up. Refused in one sentence on `err`.
std::optional<replay::Recording> readRecordingFile(const QString& file, std::FILE* err);
