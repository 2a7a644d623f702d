#pragma once

#include <QString>
#include <stdexcept>

// A file the game cannot use: which one, in full, and why, worded for the
// player, who sees message() in a "QUORBIT" box and must know what to fix.
class FileError : public std::runtime_error {
public:
    // `kind` names the file for the player ("database file"), `failure` says
    // what cannot be done with it ("used"). An empty `file` is one the game
    // has no place for.
    FileError(const QString& kind, const QString& failure, const QString& file, QString cause);

    const QString& file() const { return file_; }
    const QString& cause() const { return cause_; }
    const QString& message() const { return message_; }

private:
    QString file_;
    QString cause_;
    QString message_;
};
