#pragma once

#include "common/FileError.h"

// Anything that makes qb.mdb unusable.
class DatabaseError : public FileError {
public:
    DatabaseError(const QString& file, QString cause)
        : FileError(QStringLiteral("database file"), QStringLiteral("used"), file, std::move(cause))
    {
    }
};
