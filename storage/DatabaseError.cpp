#include "storage/DatabaseError.h"

#include <QFileInfo>

namespace {

QString absolute(const QString& file)
{
    return file.isEmpty() ? file : QFileInfo(file).absoluteFilePath();
}

QString compose(const QString& file, const QString& cause)
{
    return QStringLiteral("The database file\n%1\ncannot be used: %2.").arg(file, cause);
}

} // namespace

DatabaseError::DatabaseError(QString file, QString cause)
    : std::runtime_error(compose(absolute(file), cause).toStdString())
    , file_(absolute(file))
    , cause_(std::move(cause))
{
}

QString DatabaseError::message() const
{
    return compose(file_, cause_);
}
