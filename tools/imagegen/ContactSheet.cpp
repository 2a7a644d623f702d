#include "ContactSheet.h"

#include "AssetArt.h"
#include "LabelDigits.h"
#include "TileArt.h"
#include "TileGeometry.h"

#include <QFont>
#include <QPainter>
#include <vector>

namespace {

constexpr int kMargin = 16;
constexpr int kColumn = 84;
constexpr int kLargeTile = 66;
constexpr int kSmallTile = 33;
constexpr int kZoom = 2;
const QStringList kPreviewNumbers{QStringLiteral("4"), QStringLiteral("2")};

// Draws the picture the game would load, scaled to the cell as the game
// scales it, then the digits on top in the cell's own pixels.
void paintCell(QPainter& painter, const QPoint& at, const QString& name, int pixels, std::span<const LabelPlace> places,
               const QStringList& numbers)
{
    const QImage picture =
        tileart::renderTile(name, kLargeTile).scaled(pixels, pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(at, picture);
    painter.save();
    painter.translate(at);
    painter.scale(pixels / tilegeometry::kTileSize, pixels / tilegeometry::kTileSize);
    for (qsizetype slot = 0; slot < qsizetype(places.size()) && slot < numbers.size(); ++slot) {
        paintDigitAt(painter, places[std::size_t(slot)], numbers[slot]);
    }
    painter.restore();
}

std::vector<LabelPlace> placesOf(const QString& name)
{
    std::vector<LabelPlace> places;
    if (const ArrowTile* tile = findArrowTile(name)) {
        for (const auto& place : tile->labels) {
            if (place) {
                places.push_back(*place);
            }
        }
    }
    return places;
}

QImage zoomedCell(const QString& name)
{
    QImage cell(kSmallTile, kSmallTile, QImage::Format_RGB32);
    cell.fill(Qt::black);
    QPainter painter(&cell);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintCell(painter, QPoint(0, 0), name, kSmallTile, placesOf(name), kPreviewNumbers);
    painter.end();
    return cell.scaled(kSmallTile * kZoom, kSmallTile * kZoom);
}

}  // namespace

QImage renderContactSheet()
{
    const QStringList names = tileart::pictureNames();
    const int width = kMargin * 2 + kColumn * int(names.size());
    QImage sheet(width, 610, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont caption(QStringLiteral("DejaVu Sans"));
    caption.setPixelSize(12);
    painter.setFont(caption);

    for (qsizetype index = 0; index < names.size(); ++index) {
        const QString& name = names[index];
        const int x = kMargin + kColumn * int(index);
        painter.setPen(Qt::gray);
        painter.drawText(QPoint(x, kMargin + 10), name);
        paintCell(painter, QPoint(x, kMargin + 20), name, kLargeTile, placesOf(name), kPreviewNumbers);
        paintCell(painter, QPoint(x, kMargin + 100), name, kLargeTile, {}, {});
        paintCell(painter, QPoint(x, kMargin + 180), name, kSmallTile, placesOf(name), kPreviewNumbers);
        paintCell(painter, QPoint(x + 36, kMargin + 180), name, kSmallTile, {}, {});
        painter.drawImage(QPoint(x, kMargin + 225), zoomedCell(name));
    }

    // The how-to-play row as the panel shows it, at 1x.
    const int howToY = kMargin + 310;
    int x = kMargin;
    for (const char* picture : {"door", "4bh", "ok"}) {
        paintCell(painter, QPoint(x, howToY), QString::fromLatin1(picture), 32, {}, {});
        x += 48;
    }
    const QStringList fives{QStringLiteral("5"), QStringLiteral("5")};
    paintCell(painter, QPoint(x, howToY), QString::fromLatin1(assetart::kHowToArrowTile), kSmallTile,
              assetart::kHowToArrowLabels, fives);
    paintCell(painter, QPoint(x + 48, howToY), QString::fromLatin1(assetart::kHowToArrowTile), kLargeTile,
              assetart::kHowToArrowLabels, fives);

    // The window icon on a dark and on a light title bar.
    x += 140;
    for (const QColor& bar : {QColor(40, 40, 40), QColor(230, 230, 230)}) {
        painter.fillRect(QRect(x - 6, howToY - 6, 200, 110), bar);
        int iconX = x;
        for (int pixels : {16, 32, 48, 96}) {
            painter.drawImage(QPoint(iconX, howToY), assetart::renderEmblem(pixels));
            iconX += pixels + 8;
        }
        x += 220;
    }

    const QImage banner = assetart::renderBanner(1);
    painter.drawImage(QPoint(kMargin, howToY + 130), banner);
    return sheet;
}
