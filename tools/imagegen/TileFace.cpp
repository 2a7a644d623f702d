#include "TileArt.h"

#include "TileGeometry.h"

#include <QPainter>
#include <QRadialGradient>

namespace tileart {

namespace {

// Wide enough to survive halving as a one-pixel rim, narrow enough to leave
// the label spots near the edges on the flat face.
constexpr double kBevel = 4.0;

}  // namespace

void paintFace(QPainter& painter, const FaceColours& colours)
{
    using tilegeometry::kTileSize;
    constexpr double outer = kTileSize;
    constexpr double inner = kTileSize - kBevel;

    painter.save();
    painter.setPen(Qt::NoPen);

    // A faint glow in the middle keeps a large flat face from looking dead.
    QRadialGradient glow(tilegeometry::kCentre, kTileSize * 0.75, QPointF(kTileSize * 0.35, kTileSize * 0.35));
    glow.setColorAt(0.0, colours.face.lighter(104));
    glow.setColorAt(1.0, colours.face.darker(104));
    painter.fillRect(QRectF(0, 0, outer, outer), glow);

    // Light falls from the top left, as on every button of the window.
    painter.setBrush(colours.light);
    painter.drawPolygon(QPolygonF{{0, 0}, {outer, 0}, {inner, kBevel}, {kBevel, kBevel}, {kBevel, inner}, {0, outer}});
    painter.setBrush(colours.shadow);
    painter.drawPolygon(
        QPolygonF{{outer, outer}, {0, outer}, {kBevel, inner}, {inner, inner}, {inner, kBevel}, {outer, 0}});
    painter.restore();
}

}  // namespace tileart
