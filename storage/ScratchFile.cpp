#include "storage/ScratchFile.h"

#include "storage/DatabaseError.h"
#include "storage/EngineHandle.h"
#include "storage/NoReplaceMove.h"
#include "storage/SystemRefusal.h"

#include "common/SystemPath.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr char kMark[] = "user.quorbit.scratch";
// What a scratch name says of itself, after the final name, where the path
// leaves room for it.
constexpr std::string_view kInfix = ".quorbit-scratch-";
constexpr std::size_t kUniqueLength = 6;
constexpr std::string_view kUniqueCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
const QByteArray kJournal = "-journal";

DatabaseError cannotCreate(const QString& finalPath, const QString& reason)
{
    return DatabaseError(finalPath, QStringLiteral("cannot create the file here: %1").arg(reason));
}

// The journal first: a removal cut short leaves the scratch file, which the
// next start finds again.
void removeWithJournal(const QByteArray& path)
{
    ::unlink((path + kJournal).constData());
    ::unlink(path.constData());
}

bool sameFile(int descriptor, const QByteArray& path)
{
    struct stat opened {};
    struct stat named {};
    return ::fstat(descriptor, &opened) == 0 && ::stat(path.constData(), &named) == 0 &&
           opened.st_dev == named.st_dev && opened.st_ino == named.st_ino;
}

bool carriesMarkOf(int descriptor, std::string_view name)
{
    char mark[NAME_MAX + 1];
    const ssize_t length = ::fgetxattr(descriptor, kMark, mark, sizeof mark);
    return length >= 0 && std::string_view(mark, std::size_t(length)) == name;
}

// A fresh scratch name for `finalName` in `folder`: the final name and the
// infix, cut where the whole path would pass the engine's limit, then the
// unique part. A final path that fits leaves room for at least as many
// characters as its own name.
QByteArray freshName(const QByteArray& folder, const QByteArray& finalName)
{
    const std::size_t room = longestEnginePath() > std::size_t(folder.size()) + 1
                                 ? longestEnginePath() - std::size_t(folder.size()) - 1
                                 : std::size_t(finalName.size());
    const std::size_t unique = std::clamp<std::size_t>(room, 1, kUniqueLength);
    QByteArray name = (finalName + QByteArray(kInfix.data(), qsizetype(kInfix.size()))).left(qsizetype(room - unique));
    for (std::size_t i = 0; i < unique; ++i) {
        name += kUniqueCharacters[QRandomGenerator::system()->bounded(int(kUniqueCharacters.size()))];
    }
    return name;
}

// Makes `path` with its mark already on it: unnamed first, marked, then given
// its name. A file system without unnamed files gets the file made, locked and
// then marked, which no start can come between either: before the mark the
// file is not taken for a scratch file, after the lock it is held. The
// descriptor, locked, or -1 with errno set.
int makeMarked(const QByteArray& folder, const QByteArray& path, const QByteArray& name)
{
    const auto lockAndMark = [&name](int descriptor) {
        ::flock(descriptor, LOCK_EX);
        ::fsetxattr(descriptor, kMark, name.constData(), std::size_t(name.size()), 0);
    };
    if (const int unnamed = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, S_IRUSR | S_IWUSR);
        unnamed >= 0) {
        lockAndMark(unnamed);
        const QByteArray self = "/proc/self/fd/" + QByteArray::number(unnamed);
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0) {
            return unnamed;
        }
        const int failed = errno;
        ::close(unnamed);
        if (failed == EEXIST) {
            errno = failed;
            return -1;
        }
        // No /proc to name it through: made under its name instead.
    }
    const int descriptor = ::open(path.constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (descriptor >= 0) {
        lockAndMark(descriptor);
    }
    return descriptor;
}

}  // namespace

ScratchFile::ScratchFile(const QString& finalPath)
{
    const QString absolute = absolutePath(finalPath);
    const QByteArray folder = systemPath(folderOf(absolute));
    const QByteArray finalName = systemPath(absolute.mid(absolute.lastIndexOf(QLatin1Char('/')) + 1));
    for (;;) {
        const QByteArray name = freshName(folder, finalName);
        const QByteArray path = folder + '/' + name;
        const int descriptor = makeMarked(folder, path, name);
        if (descriptor >= 0) {
            lock_ = descriptor;
            path_ = pathFromSystem(path.toStdString());
            return;
        }
        if (errno != EEXIST) {
            throw cannotCreate(finalPath, systemRefusal(errno));
        }
    }
}

ScratchFile::~ScratchFile()
{
    if (!moved_) {
        removeWithJournal(systemPath(path_));
        ::close(lock_);
    }
}

// Not QFile::rename: when another copy of the game takes the name between its
// check and its rename, it falls back to copying over that copy's new file,
// which the other copy may already be reading.
void ScratchFile::moveInto(const QString& finalPath)
{
    if (!moveWithoutReplacing(systemPath(path_), systemPath(finalPath))) {
        throw cannotCreate(finalPath, systemRefusal(errno));
    }
    moved_ = true;
    // The mark no longer matches the file's name; it goes all the same, so a
    // copy the player makes of the file carries none.
    ::fremovexattr(lock_, kMark);
    // Now, before the engine opens the file under its final name: closing any
    // descriptor of a file drops every lock the engine holds on it.
    ::close(lock_);
}

void ScratchFile::removeAbandoned(const QString& finalPath)
{
    const QByteArray folder = systemPath(folderOf(absolutePath(finalPath)));
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(::opendir(folder.constData()), ::closedir);
    if (!entries) {
        return;  // no folder yet, and so nothing left in it
    }
    while (const dirent* entry = ::readdir(entries.get())) {
        if (entry->d_type != DT_REG && entry->d_type != DT_UNKNOWN) {
            continue;
        }
        const QByteArray path = folder + '/' + entry->d_name;
        // Only a regular file is opened: a device may act on being opened.
        struct stat status {};
        if (::lstat(path.constData(), &status) != 0 || !S_ISREG(status.st_mode)) {
            continue;
        }
        const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (descriptor < 0) {
            continue;
        }
        if (carriesMarkOf(descriptor, entry->d_name) && ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 &&
            sameFile(descriptor, path)) {
            removeWithJournal(path);
        }
        ::close(descriptor);
    }
}
