#pragma once

#include <QByteArray>
#include <span>

// One way a file system may offer to give a file a name only while nobody has
// it: the call, 0 or -1 with errno set, and the error by which a file system
// that lacks the way says so.
struct NoReplaceWay {
    int (*move)(const char* from, const char* to);
    int lacking;
};

// The ways in the order they are tried: a rename that refuses a taken name,
// then a link (no flag on older file systems), then claiming the name with an
// empty file and renaming over that (no links on FAT and exFAT).
std::span<const NoReplaceWay> noReplaceWays();

// Moves `from` to `to` by the first of `ways` the file system has. False with
// errno set, EEXIST where `to` is taken: a file already there is never
// replaced.
bool moveWithoutReplacing(const QByteArray& from, const QByteArray& to,
                          std::span<const NoReplaceWay> ways = noReplaceWays());
