#pragma once

#include <QString>
#include <stdexcept>

// Anything that makes qb.mdb unusable. The window shows message() in a "QUORBIT" box, so the
// cause is written for the player, and the file is named in full so they know which one to fix.
class DatabaseError : public std::runtime_error {
public:
    DatabaseError(QString file, QString cause);

    const QString& file() const { return file_; }
    const QString& cause() const { return cause_; }
    QString message() const;

private:
    QString file_;
    QString cause_;
};
