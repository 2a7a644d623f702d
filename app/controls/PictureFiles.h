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

// The density the pictures are drawn at: three device pixels to a pixel of
// the design, so they stay sharp on a window scaled up to three times.
constexpr double kPictureDensity = 3.0;

// A picture file (or embedded picture) decoded for the screen it is shown
// on; throws PictureError when it cannot be read.
Picture decodePicture(const QString& file);

// The picture's pixels for drawing at `density` device pixels to a pixel of
// the design. A window drawn no larger than the screen's density uses the
// pixels decoded at first; a larger one gets the picture decoded again, once,
// at the density it needs, so an ordinary window never holds the pixels of a
// large one.
const QPixmap& sharpPixels(const Picture& picture, double density);

// Reads picture files once per run. A level puts a tile picture on every one
// of its 308 cells; decoding the same fifteen files again each time is waste.
class PictureFiles {
public:
    // The picture in `file`; throws PictureError when it cannot be read.
    Picture load(const QString& file);

private:
    QHash<QString, Picture> decoded_;
};
