#pragma once

#include "app/controls/Picture.h"

#include <QHash>
#include <QString>
#include <stdexcept>

// A picture file that could not be read: the file and why.
class PictureError : public std::runtime_error {
public:
    PictureError(QString file, QString cause);
    const QString& file() const { return file_; }
    const QString& cause() const { return cause_; }
    QString message() const;

private:
    QString file_;
    QString cause_;
};

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
