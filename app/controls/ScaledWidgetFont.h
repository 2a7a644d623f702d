#pragma once

#include "app/controls/Font.h"

#include <QWidget>

// The font of a control that stays a widget of its own (the name box,
// NEXT LEVEL): the design font, drawn at the scale the window is shown at,
// like every painted caption.
class ScaledWidgetFont {
public:
    void set(QWidget& widget, const Font& font)
    {
        font_ = font;
        apply(widget);
    }
    void scaleTo(QWidget& widget, double scale)
    {
        if (scale != scale_) {
            scale_ = scale;
            apply(widget);
        }
    }

private:
    void apply(QWidget& widget) const { widget.setFont(scaledQFont(font_, scale_)); }

    Font font_;
    double scale_ = 1.0;
};
