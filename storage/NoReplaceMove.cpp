#include "storage/NoReplaceMove.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int renameNoReplace(const char* from, const char* to)
{
    return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE);
}

// A link, too, fails on a name that is taken.
int linkThenUnlink(const char* from, const char* to)
{
    if (::link(from, to) != 0) {
        return -1;
    }
    ::unlink(from);
    return 0;
}

// Only one copy of the game can make the empty file, and the rename then
// replaces nothing but that. A copy starting in between finds an empty file
// for a moment, and a crash in between leaves one behind: the start refuses an
// empty file with the step to delete it, so no file of the player's is lost.
int claimThenRename(const char* from, const char* to)
{
    const int claim = ::open(to, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (claim < 0) {
        return -1;
    }
    ::close(claim);
    if (::rename(from, to) != 0) {
        const int failed = errno;
        ::unlink(to);
        errno = failed;
        return -1;
    }
    return 0;
}

constexpr NoReplaceWay kWays[] = {
    {renameNoReplace, EINVAL},
    {linkThenUnlink, EPERM},
    {claimThenRename, 0},
};

}  // namespace

std::span<const NoReplaceWay> noReplaceWays() { return kWays; }

bool moveWithoutReplacing(const QByteArray& from, const QByteArray& to, std::span<const NoReplaceWay> ways)
{
    for (const NoReplaceWay& way : ways) {
        if (way.move(from.constData(), to.constData()) == 0) {
            return true;
        }
        if (errno != way.lacking) {
            return false;
        }
    }
    return false;
}
