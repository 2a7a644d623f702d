#include "app/controls/Shape.h"

#include <QPainter>
#include <QWidget>

class ShapeWidget final : public QWidget {
public:
    ShapeWidget(Shape& shape, QWidget* parent) : QWidget(parent), shape_(shape)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const int pen = shape_.borderWidth();
        painter.setPen(QPen(toQColor(shape_.borderColor()), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.setBrush(Qt::NoBrush);
        // The outline lies inside the shape's bounds, as the designer drew it.
        const QRectF inside = QRectF(rect()).adjusted(pen / 2.0, pen / 2.0, -pen / 2.0, -pen / 2.0);
        if (shape_.kind() == Shape::Kind::RoundedSquare) {
            painter.setRenderHint(QPainter::Antialiasing);
            const qreal radius = inside.width() / 6.0;
            painter.drawRoundedRect(inside, radius, radius);
        } else {
            painter.drawRect(inside);
        }
    }

private:
    Shape& shape_;
};

void Shape::create(Control& container)
{
    view_ = new ShapeWidget(*this, container.widget());
    attach(view_, &container);
    applyGeometry();
}
