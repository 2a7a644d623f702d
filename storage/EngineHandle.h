#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
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

// Opens the engine on path with the password and the busy timeout; nothing is
// read or written yet. Failures name reportAs, the file the player knows about.
EngineHandle openKeyedEngine(const QString& path, const EngineOptions& options, const QString& reportAs);
