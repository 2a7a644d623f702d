#include "app/controls/Control.h"

#include "app/controls/ControlTree.h"
#include "app/controls/Twips.h"
#include "app/controls/Window.h"

void Control::attach(Control& container)
{
    container_ = &container;
    window_ = container.window_;
    container.children_.push_back(this);
}

QRect Control::pixelRect() const
{
    const int x = twips::toPixels(left_);
    const int y = twips::toPixels(top_);
    return {x, y, twips::toPixels(left_ + width_) - x, twips::toPixels(top_ + height_) - y};
}

void Control::setLeft(int twips) { moveTo(twips, top_, width_, height_); }

void Control::setTop(int twips) { moveTo(left_, twips, width_, height_); }

void Control::setGeometry(int left, int top, int width, int height) { moveTo(left, top, width, height); }

void Control::moveTo(int left, int top, int width, int height)
{
    // The place it leaves and the place it takes are both drawn again.
    const bool shown = controltree::shownOnScreen(*this);
    if (shown) {
        repaint();
    }
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    geometryChanged();
    if (shown) {
        repaint();
    }
    if (window_) {
        window_->controlMoved();
    }
}

void Control::setVisible(bool visible)
{
    if (visible == visible_) {
        return;
    }
    const bool wasShown = controltree::shownOnScreen(*this);
    visible_ = visible;
    if (wasShown || controltree::shownOnScreen(*this)) {
        repaint();
    }
    if (window_) {
        window_->controlShownOrHidden(*this);
    }
}

void Control::repaint() const
{
    if (window_) {
        window_->repaintArea(controltree::windowPixelRect(*this));
    }
}

bool Control::answersClicks() const
{
    for (const Control* c = this; c; c = c->container_) {
        if (!c->enabled_) {
            return false;
        }
    }
    return true;
}

void Control::deliverClick()
{
    if (onClick && answersClicks()) {
        onClick();
    }
}
