#include "storage/ScratchFile.h"

#include "storage/DatabaseError.h"

#include <QFile>
#include <QTemporaryFile>

namespace {

DatabaseError cannotCreate(const QString& finalPath, const QString& reason)
{
    return DatabaseError(finalPath, QStringLiteral("cannot create the file here: %1").arg(reason));
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
    QFile scratch(path_);
    if (!scratch.rename(finalPath)) {
        throw cannotCreate(finalPath, scratch.errorString());
    }
    moved_ = true;
}
