#include "storage/ScratchFile.h"

#include "storage/DatabaseError.h"

#include "common/SystemPath.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace {

constexpr std::string_view kInfix = ".new-";
constexpr std::string_view kUniquePart = "XXXXXX";  // filled in by mkostemp
const QByteArray kJournal = "-journal";

QString systemMessage(int error) { return QString::fromStdString(std::generic_category().message(error)); }

DatabaseError cannotCreate(const QString& finalPath, const QString& reason)
{
    return DatabaseError(finalPath, QStringLiteral("cannot create the file here: %1").arg(reason));
}

// Not QFile::rename: when another copy of the game takes the name between its
// check and its rename, it falls back to copying over that copy's new file,
// which the other copy may already be reading.
bool moveWithoutReplacing(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
        return true;
    }
    if (errno != EINVAL) {
        return false;
    }
    // A file system that does not know the flag: a link, too, fails on a
    // name that is taken.
    if (::link(from.constData(), to.constData()) != 0) {
        return false;
    }
    ::unlink(from.constData());
    return true;
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

// Whether `name` is one of the scratch names of the file named `finalName`.
bool isScratchName(std::string_view name, std::string_view finalName)
{
    return name.size() == finalName.size() + kInfix.size() + kUniquePart.size() && name.starts_with(finalName) &&
           name.substr(finalName.size(), kInfix.size()) == kInfix;
}

}  // namespace

ScratchFile::ScratchFile(const QString& finalPath)
{
    const QByteArray pattern =
        systemPath(finalPath) + QByteArray::fromStdString(std::string(kInfix) + std::string(kUniquePart));
    // Another copy's start may take the file for abandoned in the moment
    // between its making and its locking; then it is made again.
    for (;;) {
        QByteArray name = pattern;
        const int descriptor = ::mkostemp(name.data(), O_CLOEXEC);
        if (descriptor < 0) {
            throw cannotCreate(finalPath, systemMessage(errno));
        }
        // A file system without locks keeps the file unlocked: no start can
        // take it away either.
        const bool locked = ::flock(descriptor, LOCK_EX) == 0;
        if (!locked || sameFile(descriptor, name)) {
            lock_ = descriptor;
            path_ = pathFromSystem(name.toStdString());
            return;
        }
        ::close(descriptor);
    }
}

ScratchFile::~ScratchFile()
{
    if (!moved_) {
        removeWithJournal(systemPath(path_));
        ::close(lock_);
    }
}

void ScratchFile::moveInto(const QString& finalPath)
{
    if (!moveWithoutReplacing(systemPath(path_), systemPath(finalPath))) {
        throw cannotCreate(finalPath, systemMessage(errno));
    }
    moved_ = true;
    // Now, before the engine opens the file under its final name: closing any
    // descriptor of a file drops every lock the engine holds on it.
    ::close(lock_);
}

void ScratchFile::removeAbandoned(const QString& finalPath)
{
    const QString absolute = absolutePath(finalPath);
    const QByteArray folder = systemPath(folderOf(absolute));
    const std::string finalName = systemPath(absolute.mid(absolute.lastIndexOf(QLatin1Char('/')) + 1)).toStdString();
    const std::unique_ptr<DIR, int (*)(DIR*)> entries(::opendir(folder.constData()), ::closedir);
    if (!entries) {
        return;  // no folder yet, and so nothing left in it
    }
    while (const dirent* entry = ::readdir(entries.get())) {
        if (!isScratchName(entry->d_name, finalName)) {
            continue;
        }
        const QByteArray path = folder + '/' + entry->d_name;
        const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
        if (descriptor < 0) {
            continue;
        }
        struct stat status {};
        if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(descriptor, LOCK_EX | LOCK_NB) == 0 && sameFile(descriptor, path)) {
            removeWithJournal(path);
        }
        ::close(descriptor);
    }
}
