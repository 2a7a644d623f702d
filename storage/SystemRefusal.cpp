#include "storage/SystemRefusal.h"

#include "common/SystemPath.h"

#include <cerrno>
#include <sys/statvfs.h>
#include <system_error>

namespace {

struct StepOfError {
    int error;
    const char* step;
};

constexpr const char* kNoWriteAccess = "give yourself write access to the folder it goes in";
constexpr const char* kDiskFull = "free some space on the disk, then try again";

const StepOfError kSteps[] = {
    {EACCES, kNoWriteAccess},
    {EPERM, kNoWriteAccess},
    {EROFS, "the disk is a CD, a write-protected stick or mounted read-only: copy the game's folder to a "
            "writable disk, or mount this one writable"},
    {ENOTDIR, "a file stands where a folder must be: move that file away, and the game makes the folder"},
    {ENOSPC, kDiskFull},
    {EDQUOT, kDiskFull},
};

}  // namespace

QString systemRefusal(int error)
{
    QString said = QString::fromStdString(std::generic_category().message(error));
    for (const StepOfError& known : kSteps) {
        if (known.error == error) {
            return QStringLiteral("%1: %2").arg(said, QLatin1String(known.step));
        }
    }
    return said;
}

bool isOnReadOnlyMount(const QString& folder)
{
    struct statvfs mount {};
    return ::statvfs(systemPath(folder).constData(), &mount) == 0 && (mount.f_flag & ST_RDONLY) != 0;
}
