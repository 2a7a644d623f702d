#include "app/controls/Window.h"

#include "app/controls/Colour.h"
#include "app/controls/ControlTree.h"
#include "app/controls/Twips.h"

#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

// Before a window is first shown its frame is not known; this is room for
// the usual title bars and borders, so that the whole of it fits.
constexpr QMargins kFrameAllowance{8, 40, 8, 8};

bool painted(const Control& control) { return control.visible() && !control.nativeWidget(); }

// A child that lies in the area being painted, where it lies.
struct InArea {
    const Control* control;
    QRect rect;
};

// Whether an opaque control stacked above the one at `index` hides all of it.
// The menu and the panels lie over the counters and the board: not drawing
// what they hide halves the first paint. Whatever hides a control in the area
// is in the area too, so only those are asked.
bool hiddenByOneAbove(const std::vector<InArea>& inArea, std::size_t index)
{
    for (std::size_t above = index + 1; above < inArea.size(); ++above) {
        if (inArea[above].control->opaque() && inArea[above].rect.contains(inArea[index].rect)) {
            return true;
        }
    }
    return false;
}

void paintInside(const Control& container, QPainter& painter, const QRectF& dirty)
{
    std::vector<InArea> inArea;  // bottom to top
    for (const Control* child : container.children()) {
        if (painted(*child)) {
            const QRect rect = child->pixelRect();
            if (dirty.intersects(rect)) {
                inArea.push_back({child, rect});
            }
        }
    }
    for (std::size_t index = 0; index < inArea.size(); ++index) {
        if (hiddenByOneAbove(inArea, index)) {
            continue;
        }
        const Control* child = inArea[index].control;
        const QRect& rect = inArea[index].rect;
        if (child->children().empty()) {
            painter.translate(rect.topLeft());
            child->paint(painter);
            painter.translate(-rect.topLeft());
            continue;
        }
        // A container keeps what it holds inside its edges, and inside its
        // border when it has one.
        painter.save();
        painter.translate(rect.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), rect.size()), Qt::IntersectClip);
        child->paint(painter);
        const QRect inner = child->innerRect();
        painter.translate(inner.topLeft());
        painter.setClipRect(QRect(QPoint(0, 0), inner.size()), Qt::IntersectClip);
        paintInside(*child, painter, dirty.translated(-rect.topLeft() - inner.topLeft()));
        painter.restore();
    }
}

}  // namespace

void Window::create(QWidget* surface)
{
    surface_ = surface;
    // The root of the tree: what is placed on the window finds it here.
    window_ = this;
}

void Window::setHeight(int twips)
{
    height_ = twips;
    applyClientSize();
}

void Window::setWidth(int twips)
{
    width_ = twips;
    applyClientSize();
}

QSize Window::designSize() const
{
    return {twips::toPixels(width_) - 2 * kFramePixels, twips::toPixels(height_) - kCaptionPixels - kFramePixels};
}

void Window::applyClientSize()
{
    const QSize design = designSize();
    if (design.isEmpty()) {
        return;
    }
    const QScreen* screen = surface_->screen();
    surface_->resize(screen ? fittedClientSize(design, screen->availableSize(), kFrameAllowance) : design);
}

void Window::unload() { surface_->close(); }

Viewport Window::viewport() const
{
    const QSize design = designSize();
    return {design.isEmpty() ? surface_->size() : design, surface_->size()};
}

QRectF Window::windowRectOf(const Control& control) const
{
    return viewport().toWindow(QRectF(controltree::windowPixelRect(control)));
}

Control* Window::controlAt(QPointF windowPoint) const
{
    const Viewport view = viewport();
    if (!view.area().contains(windowPoint)) {
        return nullptr;
    }
    return controltree::controlAt(*this, view.toDesign(windowPoint));
}

void Window::paintControls(QPainter& painter, const QRect& dirty) const
{
    const Viewport view = viewport();
    painter.fillRect(dirty, toQColor(colours::kMenuText));
    painter.save();
    painter.translate(view.offset());
    painter.scale(view.scale(), view.scale());
    painter.setClipRect(QRect(QPoint(0, 0), designSize()), Qt::IntersectClip);
    paintInside(*this, painter, view.toDesign(QRectF(dirty)));
    painter.restore();
}

void Window::repaintArea(const QRect& designPixels) const
{
    // A pixel more each way: edges of a scaled area fall between pixels.
    surface_->update(viewport().toWindow(QRectF(designPixels)).toAlignedRect().adjusted(-1, -1, 1, 1));
}

void Window::controlMoved()
{
    if (!natives_.empty()) {
        placeNativeWidgets();
    }
}

void Window::controlShownOrHidden(const Control& changed)
{
    controlMoved();
    if (onShownOrHidden) {
        onShownOrHidden(changed);
    }
}

void Window::adoptWidget(Control& control)
{
    control.nativeWidget()->setParent(surface_);
    natives_.push_back(&control);
    placeNativeWidgets();
}

void Window::placeNativeWidgets()
{
    const Viewport view = viewport();
    for (Control* control : natives_) {
        QWidget* widget = control->nativeWidget();
        control->scaleTo(view.scale());
        widget->setGeometry(windowRectOf(*control).toRect());
        const bool shown = controltree::shownOnScreen(*control);
        if (!shown && surface_->focusWidget() == widget) {
            // A hidden box keeps no keyboard: the keys go back to the window.
            widget->clearFocus();
        }
        widget->setVisible(shown);
    }
}
