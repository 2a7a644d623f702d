#include "app/controls/ControlTree.h"

#include "app/controls/Control.h"

namespace controltree {

namespace {

const Control& rootOf(const Control& control)
{
    const Control* c = &control;
    while (c->container()) {
        c = c->container();
    }
    return *c;
}

// Half-open, as pixels are: the point on a right or bottom edge belongs to
// the neighbour that starts there.
bool inside(const QRect& rect, QPointF point)
{
    return point.x() >= rect.x() && point.x() < rect.x() + rect.width() && point.y() >= rect.y() &&
           point.y() < rect.y() + rect.height();
}

Control* hitInside(const Control& container, QPointF point)
{
    // Topmost first: the children are listed bottom to top.
    const auto& children = container.children();
    for (std::size_t above = children.size(); above-- > 0;) {
        Control& child = *children[above];
        if (!child.visible() || !child.takesClicks()) {
            continue;
        }
        const QRect rect = child.pixelRect();
        if (inside(rect, point)) {
            // What it holds answers only inside its border, where it is drawn.
            const QRect inner = child.innerRect().translated(rect.topLeft());
            Control* held = inside(inner, point) ? hitInside(child, point - inner.topLeft()) : nullptr;
            return held ? held : &child;
        }
    }
    return nullptr;
}

}  // namespace

bool shownOnScreen(const Control& control)
{
    for (const Control* c = &control; c; c = c->container()) {
        if (!c->visible()) {
            return false;
        }
    }
    return true;
}

QRect windowPixelRect(const Control& control)
{
    QRect rect = control.pixelRect();
    for (const Control* c = control.container(); c && c->container(); c = c->container()) {
        rect.translate(c->pixelRect().topLeft() + c->innerRect().topLeft());
    }
    return rect;
}

void forEachShown(const Control& root, const std::function<void(const Control&)>& visit)
{
    for (const Control* child : root.children()) {
        if (child->visible()) {
            visit(*child);
            forEachShown(*child, visit);
        }
    }
}

Control* controlAt(const Control& root, QPointF point) { return hitInside(root, point); }

bool clickWouldLand(const Control& control)
{
    if (!shownOnScreen(control)) {
        return false;
    }
    const Control* hit = controlAt(rootOf(control), QRectF(windowPixelRect(control)).center());
    while (hit && hit != &control) {
        hit = hit->container();
    }
    return hit == &control;
}

bool clickWouldReach(const Control& control)
{
    return control.answersClicks() && control.onClick && clickWouldLand(control);
}

}  // namespace controltree
