#include "AssetArt.h"
#include "Palette.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

namespace assetart {

namespace {

// Strokes of 8 units are still two pixels at 16.
constexpr QRectF kTile(3, 3, 58, 58);
constexpr double kCornerRadius = 11.0;
constexpr QRectF kDoor(35, 7, 21, 22);
constexpr double kStroke = 8.0;

void paintDoorway(QPainter& painter)
{
    painter.setPen(QPen(palette::kGold.darker(150), 3.0));
    painter.setBrush(palette::kWood);
    QPainterPath leaf;
    const double radius = kDoor.width() / 2;
    leaf.moveTo(kDoor.bottomLeft());
    leaf.lineTo(kDoor.left(), kDoor.top() + radius);
    leaf.arcTo(QRectF(kDoor.left(), kDoor.top(), kDoor.width(), 2 * radius), 180, -180);
    leaf.lineTo(kDoor.bottomRight());
    leaf.closeSubpath();
    painter.drawPath(leaf);
}

void paintBendingArrow(QPainter& painter)
{
    const QColor red = palette::kFamilyLeft;
    const double column = kDoor.center().x();
    painter.setPen(QPen(red, kStroke, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF{{10, 51}, {column, 51}, {column, 42}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(red);
    painter.drawPolygon(QPolygonF{{column, 31}, {column - 10, 43}, {column + 10, 43}});
}

}  // namespace

void paintEmblem(QPainter& painter)
{
    // A dark rim keeps the pale tile from melting into a light title bar.
    painter.setPen(QPen(QColor(40, 30, 20), 2.5));
    painter.setBrush(palette::kFace);
    painter.drawRoundedRect(kTile, kCornerRadius, kCornerRadius);
    paintDoorway(painter);
    paintBendingArrow(painter);
}

QImage renderEmblem(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(pixels / kEmblemUnits, pixels / kEmblemUnits);
    paintEmblem(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QByteArray renderEmblemSvg()
{
    QBuffer document;
    QSvgGenerator generator;
    generator.setOutputDevice(&document);
    // Only a view box and no size: a desktop draws the launcher icon at
    // whatever size it needs.
    generator.setViewBox(QRectF(0, 0, kEmblemUnits, kEmblemUnits));
    generator.setTitle(QStringLiteral("Quorbit"));
    generator.setDescription(QStringLiteral("An arrow tile bending towards a door"));
    QPainter painter(&generator);
    paintEmblem(painter);
    painter.end();
    return document.data();
}

}  // namespace assetart
