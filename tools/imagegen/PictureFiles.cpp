#include "PictureFiles.h"

#include "AssetArt.h"
#include "TileArt.h"

#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <array>
#include <functional>

namespace picturefiles {

namespace {

// Tiles are drawn at three times the 33 pixels of a cell: sharp on a window
// scaled up to three times, decoded smaller for a smaller one.
constexpr int kTilePixels = 99;
// The how-to-play icons are 32 pixels on screen, except the arrow sample,
// which is a full cell; drawn three times as large, as the tiles.
constexpr int kHowToIconPixels = 96;

struct DesignAsset {
    const char* file;
    std::function<QImage()> render;
};

QImage howToIcon(const char* picture, int pixels) { return tileart::renderTile(QString::fromLatin1(picture), pixels); }

const std::array<DesignAsset, 13> kDesignAssets{{
    {"banner.jpg", [] { return assetart::renderBanner(3); }},
    {"banner@2x.jpg", [] { return assetart::renderBanner(2); }},
    {"banner@1x.jpg", [] { return assetart::renderBanner(1); }},
    {"howto_door.jpg", [] { return howToIcon("door", kHowToIconPixels); }},
    {"howto_blackhole.jpg", [] { return howToIcon("4bh", kHowToIconPixels); }},
    {"howto_greenbox.jpg", [] { return howToIcon("ok", kHowToIconPixels); }},
    {"howto_arrow.jpg", [] { return howToIcon(assetart::kHowToArrowTile, kTilePixels); }},
    {"icon16.png", [] { return assetart::renderEmblem(16); }},
    {"icon32.png", [] { return assetart::renderEmblem(32); }},
    {"icon48.png", [] { return assetart::renderEmblem(48); }},
    {"icon16@2x.png", [] { return assetart::renderEmblem(32); }},
    {"icon32@2x.png", [] { return assetart::renderEmblem(64); }},
    {"icon48@2x.png", [] { return assetart::renderEmblem(96); }},
}};

// The sizes desktops ask the icon theme for: menus and panels (16 to 48),
// launchers and software centres (64 to 256).
constexpr std::array<int, 7> kLauncherIconPixels{16, 24, 32, 48, 64, 128, 256};

QStringList writeFile(const QByteArray& contents, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) != contents.size()) {
        return {QStringLiteral("cannot write %1: %2").arg(path, file.errorString())};
    }
    return {};
}

QStringList writeResourceList(const QDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("assets.qrc"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
        return {QStringLiteral("cannot write %1: %2").arg(path, file.errorString())};
    }
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
    for (const DesignAsset& asset : kDesignAssets) {
        out << "    <file alias=\"" << asset.file << "\">" << asset.file << "</file>\n";
    }
    out << "  </qresource>\n</RCC>\n";
    return {};
}

}  // namespace

QStringList save(const QImage& image, const QString& path)
{
    const bool isJpeg = QFileInfo(path).suffix().compare(QStringLiteral("jpg"), Qt::CaseInsensitive) == 0;
    if (!image.save(path, nullptr, isJpeg ? kJpegQuality : -1)) {
        return {QStringLiteral("cannot write %1").arg(path)};
    }
    return {};
}

QStringList writeTilePictures(const QDir& folder)
{
    QStringList problems;
    for (const QString& name : tileart::pictureNames()) {
        problems << save(tileart::renderTile(name, kTilePixels), folder.filePath(name + QStringLiteral(".jpg")));
    }
    return problems;
}

QStringList writeDesignAssets(const QDir& folder)
{
    QStringList problems;
    for (const DesignAsset& asset : kDesignAssets) {
        problems << save(asset.render(), folder.filePath(QString::fromLatin1(asset.file)));
    }
    problems << writeResourceList(folder);
    return problems;
}

QStringList writeLauncherIcons(const QDir& folder)
{
    QStringList problems;
    for (const int pixels : kLauncherIconPixels) {
        problems << save(assetart::renderEmblem(pixels), folder.filePath(QStringLiteral("%1x%1.png").arg(pixels)));
    }
    problems << writeFile(assetart::renderEmblemSvg(), folder.filePath(QStringLiteral("scalable.svg")));
    return problems;
}

}  // namespace picturefiles
