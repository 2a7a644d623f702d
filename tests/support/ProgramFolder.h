#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A throw-away program folder: the tile pictures of the source tree copied
// in, and room for the database file the game makes beside them.
class ProgramFolder {
public:
    ProgramFolder()
    {
        const QString images = folder_.filePath(QStringLiteral("images"));
        QDir().mkpath(images);
        const QDir source(QStringLiteral(QUORBIT_IMAGES_DIR));
        for (const QString& name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
            QFile::copy(source.filePath(name), images + '/' + name);
        }
    }

    QString path() const { return folder_.path(); }
    QString file(const QString& name) const { return folder_.filePath(name); }
    QString database() const { return file(QStringLiteral("qb.mdb")); }

private:
    QTemporaryDir folder_;
};
