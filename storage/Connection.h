#pragma once

#include "storage/DatabaseKey.h"
#include "storage/EngineHandle.h"
#include "storage/RecordSet.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <chrono>
#include <optional>

// The one connection of the game to qb.mdb, open for the whole run. Every
// failure is a DatabaseError naming the file, and a file that is refused is
// never written to.
class Connection {
public:
    static const char* const kPassword;
    // Long enough for another copy of the game to finish writing its counter or
    // hi-score.
    static constexpr std::chrono::milliseconds kDefaultBusyTimeout{5000};
    // Once the window shows, every wait freezes it: short enough not to look
    // hung, and still many times what another copy needs to save a hi-score.
    static constexpr std::chrono::milliseconds kPlayBusyTimeout{750};

    Connection() = default;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    // A connection opened on one thread can be handed to another.
    Connection(Connection&&) noexcept = default;
    Connection& operator=(Connection&&) noexcept = default;

    // With the password the engine derives the key itself (tens of
    // milliseconds); with a key worked out beforehand for this file's salt it
    // opens at once. A key that no longer fits the file's salt falls back to
    // the password.
    void open(const QString& file);
    void open(const QString& file, const DatabaseKey& key);
    void create(const QString& file);
    void create(const QString& file, const DatabaseKey& key);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    const QString& file() const { return file_; }

    // Applies at once to an open connection, and to every later open() or
    // create().
    void setBusyTimeout(std::chrono::milliseconds timeout);
    std::chrono::milliseconds busyTimeout() const { return busyTimeout_; }

    // At most `mostRows` rows are fetched, when given: the query stops there.
    RecordSet openRecordSet(const QString& source, std::optional<int> mostRows = std::nullopt);
    // `values` are bound to the statement's ? in order, never pasted into it.
    void execute(const QString& sql, const QList<QVariant>& values = {});
    void addRow(const QString& table, const QList<QVariant>& values);

private:
    void openKeyed(const QString& file, const QByteArray& keyText);
    void createKeyed(const QString& file, const QByteArray& keyText);
    EngineHandle openEngine(const QString& path, const QByteArray& keyText, bool mayCreate,
                            const QString& reportAs) const;
    void requireOpen() const;

    EngineHandle db_;
    QString file_;
    std::chrono::milliseconds busyTimeout_ = kDefaultBusyTimeout;
};
