#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <cstddef>
#include <memory>

struct sqlite3;

struct EngineCloser {
    void operator()(sqlite3* db) const;
};
using EngineHandle = std::unique_ptr<sqlite3, EngineCloser>;

struct EngineOptions {
    QByteArray password;
    bool mayCreate = false;
    std::chrono::milliseconds busyTimeout{0};
};

// The longest path, in bytes, of a file the engine can use: its journal's
// name, the path and "-journal", must fit the engine's own limit.
std::size_t longestEnginePath();
// Refuses `path` when it is longer than that, before anything is made for it.
void requirePathTheEngineTakes(const QString& path);

// Opens the engine on path with the password and the busy timeout; nothing is
// read or written yet. Failures name reportAs, the file the player knows about.
EngineHandle openKeyedEngine(const QString& path, const EngineOptions& options, const QString& reportAs);
