#include "TileSelfCheck.h"

#include "AssetArt.h"
#include "TileArt.h"
#include "TileGeometry.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kCheckPixels = 66;
// The rasteriser smooths horizontal and vertical edges a little differently,
// so a turned drawing may differ from a drawn one on a few edge pixels. A
// wrong arrow differs on hundreds.
constexpr int kRotationTolerance = 48;
constexpr int kStrayPixels = 4;
// Black digits need a pale ground: nothing darker than this under a number.
constexpr int kLightestInk = 170;

int quarterTurnsOf(const ArrowTile& tile)
{
    const QString code = QString::fromLatin1(tile.code);
    return code.size() == 1 ? 0 : code.at(1).toLatin1() - 'a' + 1;
}

Direction turnedLeft(Direction direction, int quarterTurns)
{
    for (int turn = 0; turn < quarterTurns; ++turn) {
        direction = quarterTurnLeft(direction);
    }
    return direction;
}

QImage arrowLayer(const ArrowTile& tile)
{
    // Premultiplied, so a nearly transparent edge pixel cannot hide a wild
    // colour that would make two equal drawings look different.
    QImage image(kCheckPixels, kCheckPixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kCheckPixels / tilegeometry::kTileSize, kCheckPixels / tilegeometry::kTileSize);
    tileart::paintArrow(painter, tile);
    return image;
}

// Counts the pixels where two drawings clearly differ.
int differingPixels(const QImage& a, const QImage& b)
{
    const QImage first = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage second = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int differing = 0;
    for (int y = 0; y < first.height(); ++y) {
        const auto* firstRow = reinterpret_cast<const QRgb*>(first.constScanLine(y));
        const auto* secondRow = reinterpret_cast<const QRgb*>(second.constScanLine(y));
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = firstRow[x];
            const QRgb q = secondRow[x];
            const int difference = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                             std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
            differing += difference > kRotationTolerance ? 1 : 0;
        }
    }
    return differing;
}

// Where the digit's ink lands inside a label: the game writes a bold digit
// about 11 pixels high at the top left of a label 9 wide and 17 high, so a
// thin strip above the digit, its right edge and the label's foot stay
// unused. In tile units, twice those pixels.
constexpr QMarginsF kUnusedLabelEdges(0, 4, 2, 9);

QRect inkArea(const LabelPlace& place)
{
    const QRectF area = labelRect(place).marginsRemoved(kUnusedLabelEdges);
    const double scale = kCheckPixels / tilegeometry::kTileSize;
    return QRectF(area.topLeft() * scale, area.bottomRight() * scale)
        .toAlignedRect()
        .intersected(QRect(0, 0, kCheckPixels, kCheckPixels));
}

int darkestInside(const QImage& picture, const QRect& area)
{
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            darkest = std::min(darkest, qGray(picture.pixel(x, y)));
        }
    }
    return darkest;
}

void checkTable(const ArrowTile& tile, QStringList& problems)
{
    const ArrowTile* base = findArrowTile(QString::number(tile.family));
    const int turns = quarterTurnsOf(tile);
    const bool firstAgrees = tile.first == turnedLeft(base->first, turns);
    const bool secondAgrees = tile.second.has_value() == base->second.has_value() &&
                              (!tile.second || *tile.second == turnedLeft(*base->second, turns));
    if (!firstAgrees || !secondAgrees) {
        problems << QStringLiteral("%1 is not tile %2 turned %3 quarter turns left")
                        .arg(tile.code)
                        .arg(tile.family)
                        .arg(turns);
    }
    if (tile.second) {
        const Direction bend = tile.family == 2 ? quarterTurnLeft(tile.first) : quarterTurnRight(tile.first);
        if (*tile.second != bend) {
            problems << QStringLiteral("%1 bends the wrong way for family %2").arg(tile.code).arg(tile.family);
        }
    }
}

void checkRotation(const ArrowTile& tile, QStringList& problems)
{
    const ArrowTile* base = findArrowTile(QString::number(tile.family));
    // A quarter turn left on screen, where y grows downwards, is -90 degrees.
    const QImage turned = arrowLayer(*base).transformed(QTransform().rotate(-90.0 * quarterTurnsOf(tile)));
    const int difference = differingPixels(turned, arrowLayer(tile));
    if (difference > kStrayPixels) {
        problems << QStringLiteral("%1 is not drawn as tile %2 turned (%3 pixels differ)")
                        .arg(tile.code)
                        .arg(tile.family)
                        .arg(difference);
    }
}

void checkLabelSpot(const QString& name, const QImage& picture, const LabelPlace& place, QStringList& problems)
{
    const int darkest = darkestInside(picture, inkArea(place));
    if (darkest < kLightestInk) {
        problems << QStringLiteral("%1: label spot (%2, %3) is too dark for a black digit (%4)")
                        .arg(name)
                        .arg(place.top)
                        .arg(place.left)
                        .arg(darkest);
    }
}

}  // namespace

QStringList checkTilePictures()
{
    QStringList problems;
    for (const ArrowTile& tile : arrowTiles()) {
        checkTable(tile, problems);
        checkRotation(tile, problems);
        const QString name = QString::fromLatin1(tile.code);
        const QImage picture = tileart::renderTile(name, kCheckPixels);
        for (const auto& place : tile.labels) {
            if (place) {
                checkLabelSpot(name, picture, *place, problems);
            }
        }
    }
    const QString sample = QString::fromLatin1(assetart::kHowToArrowTile);
    const QImage samplePicture = tileart::renderTile(sample, kCheckPixels);
    for (const LabelPlace& place : assetart::kHowToArrowLabels) {
        checkLabelSpot(QStringLiteral("how-to-play ") + sample, samplePicture, place, problems);
    }
    return problems;
}
