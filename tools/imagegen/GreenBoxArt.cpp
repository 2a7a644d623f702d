#include "Palette.h"
#include "TileArt.h"

#include <QPainter>

namespace tileart {

namespace {

// A raised lid inside the box's rim, so a used cell reads as a closed box
// rather than as an empty green square.
constexpr QRectF kLid(14, 14, 38, 38);
constexpr double kLidStroke = 5.0;

}  // namespace

void paintGreenBox(QPainter& painter)
{
    painter.save();
    paintFace(painter, {palette::kBoxGreen, palette::kBoxGreenLight, palette::kBoxGreenDark});
    painter.setPen(QPen(palette::kBoxGreenDark, kLidStroke, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(palette::kBoxGreen.lighter(112));
    painter.drawRect(kLid);
    // The lid's own highlight along its top and left edge.
    painter.setPen(QPen(palette::kBoxGreenLight, 2.5, Qt::SolidLine, Qt::FlatCap));
    const QRectF inner = kLid.adjusted(5, 5, -5, -5);
    painter.drawPolyline(QPolygonF{inner.bottomLeft(), inner.topLeft(), inner.topRight()});
    painter.restore();
}

}  // namespace tileart
