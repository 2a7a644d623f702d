#include "app/controls/PictureBox.h"

#include "app/controls/PictureFiles.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

constexpr int kBorderPixels = 1;

// A sunken edge one pixel of the design wide: darker above and left,
// lighter below and right. Filled rather than stroked, so it scales with the
// window and stays inside the box.
void drawSunkenBorder(QPainter& painter, QSize size)
{
    const QColor dark(48, 48, 48);
    const QColor light(140, 140, 140);
    const int edge = kBorderPixels;
    painter.fillRect(QRect(0, 0, size.width(), edge), dark);
    painter.fillRect(QRect(0, 0, edge, size.height()), dark);
    painter.fillRect(QRect(0, size.height() - edge, size.width(), edge), light);
    painter.fillRect(QRect(size.width() - edge, 0, edge, size.height()), light);
}

// Device pixels to a pixel of the design where the painter draws now.
double deviceDensity(const QPainter& painter)
{
    return painter.transform().m11() * painter.device()->devicePixelRatioF();
}

}  // namespace

QRect PictureBox::innerRect() const
{
    const QRect whole(QPoint(0, 0), pixelRect().size());
    // A tile covers the whole cell, its edge under the border, and the cell's
    // numbers lie on the tile as drawn on it.
    if (border_ == Border::None || stretch_) {
        return whole;
    }
    return whole.marginsRemoved(QMargins(kBorderPixels, kBorderPixels, kBorderPixels, kBorderPixels));
}

void PictureBox::paint(QPainter& painter) const
{
    const QSize size = pixelRect().size();
    const bool covered = stretch_ && !picture_.isNull();
    if (!covered) {
        painter.fillRect(QRect(QPoint(0, 0), size), toQColor(backColor_));
    }
    if (!picture_.isNull()) {
        const QPixmap& pixels = sharpPixels(picture_, deviceDensity(painter));
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        if (stretch_) {
            // A tile covers the whole cell, its edge under the border.
            painter.drawPixmap(QRect(QPoint(0, 0), size), pixels);
        } else {
            // Other pictures lie inside the border, as on the designer's boxes.
            painter.drawPixmap(QRectF(innerRect().topLeft(), pixels.deviceIndependentSize()), pixels,
                               QRectF(pixels.rect()));
        }
    }
    if (border_ == Border::FixedSingle) {
        drawSunkenBorder(painter, size);
    }
}

void PictureBox::setPicture(const Picture& picture)
{
    picture_ = picture;
    repaint();
}

void PictureBox::setBackColor(Colour colour)
{
    backColor_ = colour;
    repaint();
}

void PictureBox::setBorder(Border border)
{
    border_ = border;
    repaint();
}
