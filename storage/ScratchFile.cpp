#include "storage/ScratchFile.h"

#include "storage/DatabaseError.h"

#include <QFile>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace {

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

}  // namespace

ScratchFile::ScratchFile(const QString& finalPath)
{
    QTemporaryFile reserved(finalPath + QStringLiteral(".new-XXXXXX"));
    reserved.setAutoRemove(false);  // the engine fills it after this object is gone
    if (!reserved.open()) {
        throw cannotCreate(finalPath, reserved.errorString());
    }
    path_ = reserved.fileName();
}

ScratchFile::~ScratchFile()
{
    if (moved_) {
        return;
    }
    QFile::remove(path_);
    QFile::remove(path_ + QStringLiteral("-journal"));
}

void ScratchFile::moveInto(const QString& finalPath)
{
    if (!moveWithoutReplacing(QFile::encodeName(path_), QFile::encodeName(finalPath))) {
        throw cannotCreate(finalPath, QString::fromStdString(std::generic_category().message(errno)));
    }
    moved_ = true;
}
