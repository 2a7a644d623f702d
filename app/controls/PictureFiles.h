#pragma once

#include "app/controls/Picture.h"

#include "common/FileError.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>
#include <future>
#include <map>
#include <thread>

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
    // Starts decoding `files`, in order, on a thread of their own, while the
    // caller goes on building the window; load() then takes their pixels from
    // there. Start-up decodes twenty pictures: on the main thread that was a
    // tenth of the time before the window showed. Once per object.
    void prefetch(const QStringList& files);

    // The picture in `file`; throws PictureError when it cannot be read.
    Picture load(const QString& file);

private:
    QHash<QString, Picture> decoded_;
    std::map<QString, std::future<QImage>> prefetched_;
    std::jthread decoder_;  // last, so it is joined before the rest goes
};
