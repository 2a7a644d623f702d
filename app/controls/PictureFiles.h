#pragma once

#include "app/controls/Picture.h"

#include "common/FileError.h"

#include <QHash>
#include <QString>

// A picture file that could not be read.
class PictureError : public FileError {
public:
    PictureError(const QString& file, QString cause)
        : FileError(QStringLiteral("picture file"), QStringLiteral("read"), file, std::move(cause))
    {
    }
};

// A picture file (or embedded picture) decoded for the screen it is shown
// on; throws PictureError when it cannot be read.
Picture decodePicture(const QString& file);

// Reads picture files once per run. A level puts a tile picture on every one
// of its 308 cells; decoding the same fifteen files again each time is waste.
// The pictures are drawn at twice the display density, so they stay sharp on
// a high-density screen and are scaled down smoothly on an ordinary one.
class PictureFiles {
public:
    static constexpr double kDensity = 2.0;

    // The picture in `file`; throws PictureError when it cannot be read.
    Picture load(const QString& file);

private:
    QHash<QString, Picture> decoded_;
};
