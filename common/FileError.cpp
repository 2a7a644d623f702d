#include "common/FileError.h"

#include "common/SystemPath.h"

namespace {

QString absolute(const QString& file) { return file.isEmpty() ? file : absolutePath(file); }

// Without a file the message names none: better than one the game never uses.
QString compose(const QString& kind, const QString& failure, const QString& file, const QString& cause)
{
    if (file.isEmpty()) {
        return QStringLiteral("The %1 cannot be %2: %3.").arg(kind, failure, cause);
    }
    return QStringLiteral("The %1\n%2\ncannot be %3: %4.").arg(kind, file, failure, cause);
}

}  // namespace

FileError::FileError(const QString& kind, const QString& failure, const QString& file, QString cause)
    : std::runtime_error(compose(kind, failure, absolute(file), cause).toStdString()), file_(absolute(file)),
      cause_(std::move(cause)), message_(compose(kind, failure, file_, cause_))
{
}
