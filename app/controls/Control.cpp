#include "app/controls/Control.h"

#include "app/controls/Twips.h"

#include <QWidget>

void Control::attach(QWidget* widget, Control* container)
{
    widget_ = widget;
    container_ = container;
}

QWidget* Control::containerWidget() const { return container_ ? container_->widget() : nullptr; }

void Control::setLeft(int twips)
{
    left_ = twips;
    applyGeometry();
}

void Control::setTop(int twips)
{
    top_ = twips;
    applyGeometry();
}

void Control::setGeometry(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void Control::applyGeometry()
{
    if (!widget_) {
        return;
    }
    // Both edges are rounded, not the width, so neighbours never overlap or
    // open a gap that the twips did not have.
    const int x = twips::toPixels(left_);
    const int y = twips::toPixels(top_);
    widget_->setGeometry(x, y, twips::toPixels(left_ + width_) - x, twips::toPixels(top_ + height_) - y);
    geometryChanged();
}

bool Control::visible() const { return widget_ && !widget_->isHidden(); }

void Control::setVisible(bool visible)
{
    if (widget_ && widget_->isHidden() == visible) {
        widget_->setVisible(visible);
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
