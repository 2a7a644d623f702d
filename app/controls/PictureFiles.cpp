#include "app/controls/PictureFiles.h"

#include "app/controls/JpegEnd.h"
#include "common/RegularFile.h"
#include "common/SystemPath.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace {

// The screens' density, capped at the density the pictures are drawn at.
double displayDensity()
{
    const double density = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return std::min(density, kPictureDensity);
}

// A picture built into the program may come with smaller renditions beside
// it, "banner@1x.jpg" and "banner@2x.jpg" for "banner.jpg": the smallest one
// at least as dense as the window needs is decoded. That is far cheaper than
// shrinking the full picture, which for the banner was the dearest step of
// start-up. Files the player may replace have no renditions.
struct Rendition {
    QString file;
    double density;
};

bool isBuiltIn(const QString& file) { return file.startsWith(QLatin1String(":/")); }

Rendition renditionFor(const QString& file, double density)
{
    if (isBuiltIn(file)) {
        const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
        for (int smaller = std::max(1, int(std::ceil(density))); smaller < kPictureDensity; ++smaller) {
            QString candidate = file;
            candidate.insert(dot, QStringLiteral("@%1x").arg(smaller));
            if (QFile::exists(candidate)) {
                return {candidate, double(smaller)};
            }
        }
    }
    return {file, kPictureDensity};
}

// The bytes of a picture file. A file on the disk is opened by the bytes of
// its name, and only when it is a regular file, so no picture keeps the game
// waiting; those built into the program are Qt's to read.
QByteArray readPictureFile(const QString& file)
{
    QFile reading(file);
    if (isBuiltIn(file)) {
        if (!reading.open(QIODevice::ReadOnly)) {
            throw PictureError(file, reading.errorString());
        }
        return reading.readAll();
    }
    const RegularFile opened(systemPath(file).constData());
    if (!opened.isOpen()) {
        throw PictureError(file, opened.refusal());
    }
    if (!reading.open(opened.descriptor(), QIODevice::ReadOnly, QFileDevice::DontCloseHandle)) {
        throw PictureError(file, reading.errorString());
    }
    return reading.readAll();
}

// Decoded straight to the size shown at `density`, so a window never holds
// (or scales, at every paint) more pixels than it draws. Safe on any thread.
QImage decodeImageAt(const QString& file, double density)
{
    const Rendition rendition = renditionFor(file, density);
    QByteArray bytes = readPictureFile(rendition.file);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize drawn = reader.size();
    if (drawn.isValid() && density < rendition.density) {
        reader.setScaledSize(drawn * (density / rendition.density));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw PictureError(file, reader.errorString());
    }
    if (!jpegIsWhole(bytes)) {
        throw PictureError(file, QStringLiteral("the picture in it is incomplete (the file is cut short or damaged)"));
    }
    image.setDevicePixelRatio(density);
    return image;
}

// Pixels belong to the main thread: made from a decoded image there.
QPixmap decodeAt(const QString& file, double density) { return QPixmap::fromImage(decodeImageAt(file, density)); }

}  // namespace

Picture decodePicture(const QString& file) { return Picture(decodeAt(file, displayDensity()), file); }

const QPixmap& sharpPixels(const Picture& picture, double density)
{
    // Half steps: a window dragged larger decodes again now and then, not at
    // every pixel.
    const double wanted = std::min(std::ceil(density * 2) / 2, kPictureDensity);
    if (picture.pixels().devicePixelRatio() >= wanted) {
        return picture.pixels();
    }
    static QHash<QString, QPixmap> sharper;
    QPixmap& pixels = sharper[picture.source()];
    if (pixels.devicePixelRatio() != wanted || pixels.isNull()) {
        try {
            pixels = decodeAt(picture.source(), wanted);
        } catch (const PictureError&) {
            // The file was read once already; should it be gone now, the
            // pixels read then are drawn larger.
            pixels = picture.pixels();
        }
    }
    return pixels;
}

void PictureFiles::prefetch(const QStringList& files)
{
    if (decoder_.joinable()) {
        return;
    }
    const double density = displayDensity();
    std::vector<std::promise<QImage>> images(std::size_t(files.size()));
    for (qsizetype index = 0; index < files.size(); ++index) {
        prefetched_.emplace(files[index], images[std::size_t(index)].get_future());
    }
    decoder_ = std::jthread([files, density, images = std::move(images)]() mutable {
        for (qsizetype index = 0; index < files.size(); ++index) {
            QImage image;
            try {
                image = decodeImageAt(files[index], density);
            } catch (const PictureError&) {
                // load() reads the file again and reports what is wrong.
            }
            images[std::size_t(index)].set_value(std::move(image));
        }
    });
}

Picture PictureFiles::load(const QString& file)
{
    if (const auto found = decoded_.constFind(file); found != decoded_.constEnd()) {
        return *found;
    }
    if (!isBuiltIn(file) && !pathExists(file)) {
        throw PictureError(file, QStringLiteral("the file is missing"));
    }
    QImage image;
    if (auto prefetched = prefetched_.find(file); prefetched != prefetched_.end()) {
        image = prefetched->second.get();
        prefetched_.erase(prefetched);
    }
    Picture picture = image.isNull() ? decodePicture(file) : Picture(QPixmap::fromImage(std::move(image)), file);
    decoded_.insert(file, picture);
    return picture;
}
