#pragma once

#include <QMargins>
#include <QPointF>
#include <QRectF>
#include <QSize>

// How the design's pixels lie on the window: scaled evenly to fit it, in the
// middle, with black bars where the window's shape differs from the design's.
class Viewport {
public:
    Viewport(QSize design, QSize window);

    double scale() const { return scale_; }
    QPointF offset() const { return offset_; }
    // The design's area on the window.
    QRectF area() const;

    QRectF toWindow(const QRectF& designRect) const;
    QPointF toDesign(QPointF windowPoint) const;
    QRectF toDesign(const QRectF& windowRect) const;

private:
    QSize design_;
    double scale_ = 1.0;
    QPointF offset_;
};

// The inner size a window of the design's size opens at on a screen whose
// free area is `available`, once its frame is around it: the design's own
// size, or smaller, keeping its shape, where that would not fit.
QSize fittedClientSize(QSize design, QSize available, QMargins frame);
