#include "app/controls/PictureFiles.h"

#include <QFileInfo>
#include <QImageReader>

PictureError::PictureError(QString file, QString cause)
    : std::runtime_error((file + ": " + cause).toStdString()), file_(std::move(file)), cause_(std::move(cause))
{
}

QString PictureError::message() const
{
    return QStringLiteral("The picture file\n%1\ncannot be read: %2.").arg(file_, cause_);
}

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
