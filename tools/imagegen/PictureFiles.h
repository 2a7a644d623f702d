#pragma once

#include <QDir>
#include <QImage>
#include <QStringList>

// Writing the pictures out. Each function returns the problems it met; an
// empty list means every file was written.
namespace picturefiles {

// JPEG at a quality high enough that the arrow edges keep no visible ringing.
constexpr int kJpegQuality = 95;

QStringList save(const QImage& image, const QString& path);
QStringList writeTilePictures(const QDir& folder);

// The window's embedded pictures, plus the resource list that embeds them.
QStringList writeDesignAssets(const QDir& folder);

// The launcher icons an installed game puts into the hicolor icon theme, each
// named after the theme folder it goes to: 16x16.png ... 256x256.png and
// scalable.svg.
QStringList writeLauncherIcons(const QDir& folder);

}  // namespace picturefiles
