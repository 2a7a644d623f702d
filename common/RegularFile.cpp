#include "common/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

struct NotAFile {
    mode_t type;
    const char* refusal;
};

constexpr NotAFile kNotFiles[] = {
    {S_IFDIR, "it is a folder, not a file"},  {S_IFIFO, "it is a named pipe (FIFO), not a file"},
    {S_IFSOCK, "it is a socket, not a file"}, {S_IFCHR, "it is a device, not a file"},
    {S_IFBLK, "it is a device, not a file"},
};

QString refusalOf(mode_t mode)
{
    for (const NotAFile& kind : kNotFiles) {
        if ((mode & S_IFMT) == kind.type) {
            return QString::fromLatin1(kind.refusal);
        }
    }
    return QStringLiteral("it is not a regular file");
}

QString refusalOfError(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("the file is missing");
    case EACCES:
        return QStringLiteral("access to the file is denied");
    default:
        return QString::fromStdString(std::generic_category().message(error));
    }
}

}  // namespace

RegularFile::RegularFile(const char* path)
{
    const int descriptor = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat status {};
    if (descriptor < 0) {
        // A socket cannot be opened at all; what it is, is still worth saying.
        const int error = errno;
        somethingElse_ = ::stat(path, &status) == 0 && !S_ISREG(status.st_mode);
        refusal_ = somethingElse_ ? refusalOf(status.st_mode) : refusalOfError(error);
        return;
    }
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        somethingElse_ = true;
        refusal_ = refusalOf(status.st_mode);
        ::close(descriptor);
        return;
    }
    descriptor_ = descriptor;
}

RegularFile::~RegularFile()
{
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}
