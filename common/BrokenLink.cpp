#include "common/BrokenLink.h"

#include "common/SystemPath.h"

#include <cerrno>
#include <climits>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

std::optional<QString> describeBrokenLink(const QString& path)
{
    const QByteArray name = systemPath(path);
    struct stat status {};
    if (::lstat(name.constData(), &status) != 0 || !S_ISLNK(status.st_mode) || ::stat(name.constData(), &status) == 0) {
        return std::nullopt;
    }
    const int failed = errno;
    char target[PATH_MAX];
    const ssize_t length = ::readlink(name.constData(), target, sizeof target - 1);
    const QString leadsTo = length < 0 ? QStringLiteral("?") : pathFromSystem({target, std::size_t(length)});
    switch (failed) {
    case ENOENT:
        return QStringLiteral("a link to %1, which is not there").arg(leadsTo);
    case ELOOP:
        return QStringLiteral("a link to %1, and the links lead round in a loop").arg(leadsTo);
    default:
        return QStringLiteral("a link to %1, which cannot be reached: %2")
            .arg(leadsTo, QString::fromStdString(std::generic_category().message(failed)));
    }
}
