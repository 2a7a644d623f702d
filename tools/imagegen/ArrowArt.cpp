#include "Palette.h"
#include "TileArt.h"
#include "TileGeometry.h"

#include <QPainter>
#include <QPainterPath>

namespace tileart {

namespace {

using tilegeometry::kCentre;
using tilegeometry::kTileSize;

constexpr double kHalf = kTileSize / 2;

// Strokes stay at least 3 pixels wide when the tile is halved to 33 pixels.
constexpr double kStroke = 7.0;

// Bent arrows: the numbers sit in the middle of the sides the legs come from
// and leave by, so the bend is pushed off both centre lines into the opposite
// corner and each leg runs alongside its number instead of through it.
constexpr double kBendOffset = 21.0;
constexpr double kTailInset = 5.0;
constexpr double kTailDot = 5.0;
constexpr double kBentTipInset = 3.0;
constexpr double kBentHeadLength = 14.0;
constexpr double kBentHeadHalfWidth = 7.5;

// Straight arrows carry their one number in a light window at the centre: a
// short tail runs into it from one side and the head leaves it on the other.
// The window is square so it covers the number's spot in every direction.
constexpr double kWindowHalf = 17.5;  // to the middle of its frame
constexpr double kWindowCorner = 7.0;
constexpr double kFrameStroke = 5.0;
constexpr double kTailHalfWidth = 7.0;
constexpr double kStraightTailInset = 4.0;
constexpr double kStraightTipInset = 1.5;
constexpr double kStraightHeadHalfWidth = 27.0;

// The step to the left of travel, on screen.
QPointF leftOf(Direction direction)
{
    const QPointF step = stepOf(direction);
    return {step.y(), -step.x()};
}

// A point given along the direction of travel and across it, measured from
// the tile's centre.
QPointF along(Direction direction, double forward, double sideways)
{
    return kCentre + stepOf(direction) * forward + leftOf(direction) * sideways;
}

// A band of the given half width lying along the direction of travel.
QPolygonF bandAlong(Direction direction, double from, double to, double halfWidth)
{
    return {along(direction, from, halfWidth), along(direction, to, halfWidth), along(direction, to, -halfWidth),
            along(direction, from, -halfWidth)};
}

QPolygonF headAt(const QPointF& tip, Direction direction, double length, double halfWidth)
{
    const QPointF base = tip - stepOf(direction) * length;
    return {tip, base + leftOf(direction) * halfWidth, base - leftOf(direction) * halfWidth};
}

void paintBentArrow(QPainter& painter, Direction first, Direction second, const QColor& colour)
{
    const QPointF bend = kCentre + (stepOf(first) - stepOf(second)) * kBendOffset;
    // Seen from the bend, both the side the first leg enters by and the side
    // the second leaves by are half a tile plus the offset away.
    const double reach = kHalf + kBendOffset;
    const QPointF tail = bend - stepOf(first) * (reach - kTailInset);
    const QPointF tip = bend + stepOf(second) * (reach - kBentTipInset);
    const QPointF headBase = tip - stepOf(second) * (kBentHeadLength - 1.0);

    QPainterPath legs(tail);
    legs.lineTo(bend);
    legs.lineTo(headBase);
    painter.setPen(QPen(colour, kStroke, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(legs);

    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(tail, kTailDot, kTailDot);
    painter.drawPolygon(headAt(tip, second, kBentHeadLength, kBentHeadHalfWidth));
}

void paintStraightArrow(QPainter& painter, Direction direction, const QColor& colour)
{
    const double frameOuter = kWindowHalf + kFrameStroke / 2;
    const double tipForward = kHalf - kStraightTipInset;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(bandAlong(direction, -(kHalf - kStraightTailInset), -kWindowHalf, kTailHalfWidth));
    // The head starts just inside the frame so no seam shows between them.
    painter.drawPolygon(
        headAt(along(direction, tipForward, 0.0), direction, tipForward - frameOuter + 1.0, kStraightHeadHalfWidth));

    painter.setPen(QPen(colour, kFrameStroke));
    painter.setBrush(palette::kLabelSpot);
    const QRectF window(kCentre - QPointF(kWindowHalf, kWindowHalf), kCentre + QPointF(kWindowHalf, kWindowHalf));
    painter.drawRoundedRect(window, kWindowCorner, kWindowCorner);
}

}  // namespace

void paintArrow(QPainter& painter, const ArrowTile& tile)
{
    painter.save();
    const QColor colour = familyColour(tile.family);
    if (tile.second) {
        paintBentArrow(painter, tile.first, *tile.second, colour);
    } else {
        paintStraightArrow(painter, tile.first, colour);
    }
    painter.restore();
}

}  // namespace tileart
