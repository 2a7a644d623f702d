#include "app/controls/Shape.h"

#include <QPainter>

void Shape::paint(QPainter& painter) const
{
    const int pen = borderWidth_;
    painter.setPen(QPen(toQColor(borderColor_), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    // The outline lies inside the shape's bounds, as the designer drew it.
    const QRectF inside =
        QRectF(QPointF(0, 0), pixelRect().size()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
    if (kind_ == Kind::RoundedSquare) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        const qreal radius = inside.width() / 6.0;
        painter.drawRoundedRect(inside, radius, radius);
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        painter.drawRect(inside);
    }
}
