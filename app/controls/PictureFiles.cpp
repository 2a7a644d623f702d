#include "app/controls/PictureFiles.h"

#include <QFile>
#include <QFileInfo>
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

Rendition renditionFor(const QString& file, double density)
{
    if (file.startsWith(QLatin1String(":/"))) {
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

// Decoded straight to the size shown at `density`, so a window never holds
// (or scales, at every paint) more pixels than it draws.
QPixmap decodeAt(const QString& file, double density)
{
    const Rendition rendition = renditionFor(file, density);
    QImageReader reader(rendition.file);
    const QSize drawn = reader.size();
    if (drawn.isValid() && density < rendition.density) {
        reader.setScaledSize(drawn * (density / rendition.density));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw PictureError(file, reader.errorString());
    }
    QPixmap pixels = QPixmap::fromImage(std::move(image));
    pixels.setDevicePixelRatio(density);
    return pixels;
}

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

Picture PictureFiles::load(const QString& file)
{
    if (const auto found = decoded_.constFind(file); found != decoded_.constEnd()) {
        return *found;
    }
    if (!QFileInfo::exists(file)) {
        throw PictureError(file, QStringLiteral("the file is missing"));
    }
    Picture picture = decodePicture(file);
    decoded_.insert(file, picture);
    return picture;
}
