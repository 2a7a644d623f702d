#include "app/controls/Viewport.h"

#include <algorithm>

Viewport::Viewport(QSize design, QSize window) : design_(design)
{
    if (design.isEmpty() || window.isEmpty()) {
        return;
    }
    scale_ = std::min(double(window.width()) / design.width(), double(window.height()) / design.height());
    offset_ = QPointF((window.width() - design.width() * scale_) / 2, (window.height() - design.height() * scale_) / 2);
}

QRectF Viewport::area() const { return toWindow(QRectF(QPointF(0, 0), QSizeF(design_))); }

QRectF Viewport::toWindow(const QRectF& designRect) const
{
    return {offset_ + designRect.topLeft() * scale_, designRect.size() * scale_};
}

QPointF Viewport::toDesign(QPointF windowPoint) const { return (windowPoint - offset_) / scale_; }

QRectF Viewport::toDesign(const QRectF& windowRect) const
{
    return {toDesign(windowRect.topLeft()), windowRect.size() / scale_};
}

QSize fittedClientSize(QSize design, QSize available, QMargins frame)
{
    const QSize room = available.shrunkBy(frame);
    if (design.isEmpty() || room.isEmpty()) {
        return design;
    }
    const double scale =
        std::min({1.0, double(room.width()) / design.width(), double(room.height()) / design.height()});
    // Rounded down: a window a pixel too large would not fit.
    return {int(design.width() * scale), int(design.height() * scale)};
}
