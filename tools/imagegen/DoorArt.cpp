#include "Palette.h"
#include "TileArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace tileart {

namespace {

// The door leaf inside its golden frame, arched at the top.
constexpr QRectF kLeaf(16, 10, 34, 52);
constexpr double kArchRadius = kLeaf.width() / 2;
constexpr double kFrameWidth = 5.0;
constexpr QPointF kKnob(43, 40);
constexpr double kKnobRadius = 3.8;

QPainterPath archedLeaf(const QRectF& leaf)
{
    const double radius = leaf.width() / 2;
    QPainterPath path;
    path.moveTo(leaf.left(), leaf.bottom());
    path.lineTo(leaf.left(), leaf.top() + radius);
    path.arcTo(QRectF(leaf.left(), leaf.top(), leaf.width(), 2 * radius), 180, -180);
    path.lineTo(leaf.right(), leaf.bottom());
    path.closeSubpath();
    return path;
}

}  // namespace

void paintDoor(QPainter& painter)
{
    painter.save();
    // The whole cell glows gold: the door is the one cell worth reaching.
    paintFace(painter, {palette::kGold, palette::kGoldLight, QColor(170, 118, 20)});

    const QRectF frame = kLeaf.adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, 0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::kWoodDark);
    painter.drawPath(archedLeaf(frame));

    QLinearGradient wood(kLeaf.topLeft(), kLeaf.topRight());
    wood.setColorAt(0.0, palette::kWood.lighter(125));
    wood.setColorAt(1.0, palette::kWood);
    painter.setBrush(wood);
    painter.drawPath(archedLeaf(kLeaf));

    // Two grooves make planks of the leaf; wide enough to stay after halving.
    painter.setPen(QPen(palette::kWoodDark, 2.5));
    for (double x : {kLeaf.left() + kLeaf.width() / 3, kLeaf.left() + 2 * kLeaf.width() / 3}) {
        painter.drawLine(QPointF(x, kLeaf.top() + kArchRadius * 0.4), QPointF(x, kLeaf.bottom()));
    }

    painter.setPen(QPen(palette::kWoodDark, 1.5));
    painter.setBrush(palette::kGoldLight);
    painter.drawEllipse(kKnob, kKnobRadius, kKnobRadius);
    painter.restore();
}

}  // namespace tileart
