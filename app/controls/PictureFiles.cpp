#include "app/controls/PictureFiles.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <algorithm>

namespace {

// The screens' density, capped at the density the pictures are drawn at.
double displayDensity()
{
    const double density = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    return std::min(density, PictureFiles::kDensity);
}

}  // namespace

Picture decodePicture(const QString& file)
{
    QImageReader reader(file);
    // Decoded straight to the size the screen shows, so an ordinary screen
    // never holds (or scales, at every paint) the pixels of a fine one.
    const double density = displayDensity();
    const QSize drawn = reader.size();
    if (drawn.isValid() && density < PictureFiles::kDensity) {
        reader.setScaledSize(drawn * (density / PictureFiles::kDensity));
    }
    QImage image = reader.read();
    if (image.isNull()) {
        throw PictureError(file, reader.errorString());
    }
    QPixmap pixels = QPixmap::fromImage(std::move(image));
    pixels.setDevicePixelRatio(density);
    return Picture(std::move(pixels), file);
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
