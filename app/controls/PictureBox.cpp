#include "app/controls/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

class PictureBoxWidget final : public QWidget {
public:
    PictureBoxWidget(PictureBox& box, QWidget* parent) : QWidget(parent), box_(box)
    {
        // Every pixel is painted here, so Qt need not clear the area first.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QPixmap& pixels = box_.picture().pixels();
        const bool covered = box_.stretchPicture() && !pixels.isNull();
        if (!covered) {
            painter.fillRect(rect(), toQColor(box_.backColor()));
        }
        if (!pixels.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            if (box_.stretchPicture()) {
                // A tile covers the whole cell, its edge under the border;
                // at the size it was decoded for it is copied, not scaled.
                painter.drawPixmap(rect(), pixels);
            } else {
                // Other pictures lie inside the border, as on the designer's boxes.
                const int edge = box_.border() == PictureBox::Border::FixedSingle ? 1 : 0;
                painter.drawPixmap(QPoint(edge, edge), pixels);
            }
        }
        if (box_.border() == PictureBox::Border::FixedSingle) {
            drawSunkenBorder(painter);
        }
    }

    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            box_.deliverClick();
        }
    }

private:
    // A sunken edge: darker above and left, lighter below and right.
    void drawSunkenBorder(QPainter& painter) const
    {
        const QRect r = rect().adjusted(0, 0, -1, -1);
        painter.setPen(QColor(48, 48, 48));
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(QColor(140, 140, 140));
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }

    PictureBox& box_;
};

void PictureBox::create(Control& container)
{
    view_ = new PictureBoxWidget(*this, container.widget());
    attach(view_, &container);
    applyGeometry();
}

void PictureBox::setPicture(const Picture& picture)
{
    picture_ = picture;
    if (view_) {
        view_->update();
    }
}

void PictureBox::setBackColor(Colour colour)
{
    backColor_ = colour;
    if (view_) {
        view_->update();
    }
}

void PictureBox::setBorder(Border border)
{
    border_ = border;
    if (view_) {
        view_->update();
    }
}

void PictureBox::setStretchPicture(bool stretch) { stretch_ = stretch; }
