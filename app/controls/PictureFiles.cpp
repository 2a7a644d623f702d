#include "app/controls/PictureFiles.h"

#include <QFileInfo>
#include <QImageReader>

Picture PictureFiles::load(const QString& file)
{
    if (const auto found = decoded_.constFind(file); found != decoded_.constEnd()) {
        return *found;
    }
    if (!QFileInfo::exists(file)) {
        throw PictureError(file, QStringLiteral("the file is missing"));
    }
    QImageReader reader(file);
    QImage image = reader.read();
    if (image.isNull()) {
        throw PictureError(file, reader.errorString());
    }
    QPixmap pixels = QPixmap::fromImage(std::move(image));
    pixels.setDevicePixelRatio(kDensity);
    const Picture picture(std::move(pixels), file);
    decoded_.insert(file, picture);
    return picture;
}
