#pragma once

#include <QPixmap>
#include <QString>

// A decoded picture and the file it came from. Copies share the pixels.
class Picture {
public:
    Picture() = default;
    Picture(QPixmap pixels, QString source) : pixels_(std::move(pixels)), source_(std::move(source)) {}

    bool isNull() const { return pixels_.isNull(); }
    const QPixmap& pixels() const { return pixels_; }
    // The file the picture was read from: what a cell shows is told by it.
    const QString& source() const { return source_; }

private:
    QPixmap pixels_;
    QString source_;
};
