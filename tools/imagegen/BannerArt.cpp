#include "AssetArt.h"
#include "LabelDigits.h"
#include "Palette.h"
#include "TileArt.h"
#include "TileGeometry.h"
#include "common/GameWords.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace assetart {

namespace {

constexpr double kTilePixels = 74.0;
constexpr double kTilePitch = 82.0;
constexpr double kClusterSpan = 2 * kTilePitch + kTilePixels;  // three tiles a side
constexpr double kClusterTop = (kBannerArtHeight - kClusterSpan) / 2;
constexpr double kLeftClusterX = 40.0;
constexpr double kRightClusterX = kBannerWidth - kLeftClusterX - kClusterSpan;
constexpr double kTitleRuleRoom = 24.0;

enum class Frame { None, Trail, Door };

struct BannerTile {
    double clusterX;
    int column;
    int row;
    const char* picture;
    const char* first;
    const char* second;
    Frame frame;
};

// A little game in two corners: on the left a trail of used boxes leading to
// the tile the player stands on, on the right the door among black holes.
const std::array<BannerTile, 18> kBannerTiles{{
    {kLeftClusterX, 0, 0, "ok", "", "", Frame::Trail},
    {kLeftClusterX, 1, 0, "ok", "", "", Frame::Trail},
    {kLeftClusterX, 2, 0, "3a", "2", "2", Frame::None},
    {kLeftClusterX, 0, 1, "1b", "3", "", Frame::None},
    {kLeftClusterX, 1, 1, "ok", "", "", Frame::Trail},
    {kLeftClusterX, 2, 1, "2", "4", "1", Frame::None},
    {kLeftClusterX, 0, 2, "2c", "1", "3", Frame::None},
    {kLeftClusterX, 1, 2, "1c", "2", "", Frame::Trail},
    {kLeftClusterX, 2, 2, "4bh", "", "", Frame::None},
    {kRightClusterX, 0, 0, "3c", "1", "2", Frame::None},
    {kRightClusterX, 1, 0, "4bh", "", "", Frame::None},
    {kRightClusterX, 2, 0, "1a", "5", "", Frame::None},
    {kRightClusterX, 0, 1, "2b", "2", "1", Frame::None},
    {kRightClusterX, 1, 1, "door", "", "", Frame::Door},
    {kRightClusterX, 2, 1, "3b", "3", "1", Frame::None},
    {kRightClusterX, 0, 2, "1", "4", "", Frame::None},
    {kRightClusterX, 1, 2, "2a", "1", "2", Frame::None},
    {kRightClusterX, 2, 2, "4bh", "", "", Frame::None},
}};

void paintBannerTile(QPainter& painter, const BannerTile& tile)
{
    const QPointF origin(tile.clusterX + tile.column * kTilePitch, kClusterTop + tile.row * kTilePitch);
    painter.save();
    painter.translate(origin);
    painter.scale(kTilePixels / tilegeometry::kTileSize, kTilePixels / tilegeometry::kTileSize);
    const QString picture = QString::fromLatin1(tile.picture);
    tileart::paintTile(painter, picture);
    if (const ArrowTile* arrow = findArrowTile(picture)) {
        paintLabelDigits(painter, *arrow, {QString::fromLatin1(tile.first), QString::fromLatin1(tile.second)});
    }
    painter.restore();

    if (tile.frame == Frame::None) {
        return;
    }
    // The same frames the board draws: green rings along the trail, yellow
    // around the door.
    const QRectF ring = QRectF(origin, QSizeF(kTilePixels, kTilePixels)).adjusted(-3, -3, 3, 3);
    painter.setBrush(Qt::NoBrush);
    if (tile.frame == Frame::Trail) {
        painter.setPen(QPen(palette::kTrailFrame, 4.0));
        painter.drawRoundedRect(ring, 10, 10);
    } else {
        painter.setPen(QPen(palette::kDoorFrame, 4.0));
        painter.drawRect(ring);
    }
}

QPainterPath titlePath(const QRectF& area)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(204);
    font.setLetterSpacing(QFont::PercentageSpacing, 104);
    QPainterPath text;
    text.addText(0, 0, font, words::kTitle);
    const QRectF bounds = text.boundingRect();
    return text.translated(area.center() - bounds.center());
}

void paintHalo(QPainter& painter, const QPainterPath& title, int shrink, const QColor& colour)
{
    const QSize full(kBannerWidth, kBannerHeight);
    QImage small(full / shrink, QImage::Format_ARGB32_Premultiplied);
    small.fill(Qt::transparent);
    QPainter smallPainter(&small);
    smallPainter.setRenderHint(QPainter::Antialiasing);
    smallPainter.scale(1.0 / shrink, 1.0 / shrink);
    smallPainter.fillPath(title, colour);
    smallPainter.strokePath(title, QPen(colour, 2.0 * shrink, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    smallPainter.end();
    painter.drawImage(QRect(QPoint(0, 0), full), small.scaled(full, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void paintTitle(QPainter& painter, const QRectF& area)
{
    const QPainterPath title = titlePath(area);
    const QRectF bounds = title.boundingRect();

    // A soft halo lifts the letters off the black: the title is drawn small
    // and stretched back, which blurs it without banding.
    paintHalo(painter, title, 10, QColor(255, 128, 16, 150));
    paintHalo(painter, title, 4, QColor(255, 128, 16, 110));

    QLinearGradient gold(bounds.topLeft(), bounds.bottomLeft());
    gold.setColorAt(0.0, QColor(255, 248, 200));
    gold.setColorAt(0.45, palette::kGold);
    gold.setColorAt(0.55, QColor(226, 146, 26));
    gold.setColorAt(1.0, QColor(168, 74, 10));
    painter.fillPath(title, gold);
    painter.strokePath(title, QPen(QColor(70, 28, 4), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    // A thin rule under the title in the three arrow colours.
    const double ruleY = bounds.bottom() + 22;
    const double third = bounds.width() / 3;
    for (int family = 1; family <= 3; ++family) {
        painter.setPen(QPen(tileart::familyColour(family), 8.0, Qt::SolidLine, Qt::FlatCap));
        const double left = bounds.left() + (family - 1) * third;
        painter.drawLine(QPointF(left + 6, ruleY), QPointF(left + third - 6, ruleY));
    }
}

}  // namespace

QImage renderBanner(int density)
{
    QImage image(kBannerWidth * density / kBannerUnitsPerPixel, kBannerHeight * density / kBannerUnitsPerPixel,
                 QImage::Format_RGB32);
    image.fill(palette::kWindow);
    QPainter painter(&image);
    const double scale = double(density) / kBannerUnitsPerPixel;
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    for (const BannerTile& tile : kBannerTiles) {
        paintBannerTile(painter, tile);
    }
    const double titleLeft = kLeftClusterX + kClusterSpan;
    const QRectF titleArea(titleLeft, 0, kRightClusterX - titleLeft, kBannerArtHeight - kTitleRuleRoom);
    paintTitle(painter, titleArea);
    return image;
}

}  // namespace assetart
