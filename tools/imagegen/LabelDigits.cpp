#include "LabelDigits.h"

#include "TileGeometry.h"

#include <QFont>
#include <QPainter>

namespace {

// The game's digits are about 11 pixels high at 1x; in tile units that is 22.
constexpr double kDigitPixelSizeUnits = 26.0;

}  // namespace

void paintDigitAt(QPainter& painter, const LabelPlace& place, const QString& number)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(kDigitPixelSizeUnits * painter.transform().m11()));
    painter.save();
    // Set the size in device pixels and draw unscaled, so hinting matches
    // what a label of that size shows on screen.
    const QRectF spot = painter.transform().mapRect(labelRect(place));
    painter.resetTransform();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(spot, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, number);
    painter.restore();
}

void paintLabelDigits(QPainter& painter, const ArrowTile& tile, const QStringList& numbers)
{
    for (std::size_t slot = 0; slot < tile.labels.size(); ++slot) {
        if (tile.labels[slot] && qsizetype(slot) < numbers.size()) {
            paintDigitAt(painter, *tile.labels[slot], numbers[qsizetype(slot)]);
        }
    }
}
