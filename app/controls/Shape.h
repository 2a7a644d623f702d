#pragma once

#include "app/controls/Colour.h"
#include "app/controls/Control.h"

// A square outline drawn on its container; it takes no clicks, they go to
// whatever lies beneath.
class Shape : public Control {
public:
    enum class Kind { Square, RoundedSquare };

    void create(Control& container) { attach(container); }

    void setKind(Kind kind) { kind_ = kind; }
    void setBorderColor(Colour colour) { borderColor_ = colour; }
    void setBorderWidth(int pixels) { borderWidth_ = pixels; }

    void paint(QPainter& painter) const override;
    bool takesClicks() const override { return false; }

private:
    Kind kind_ = Kind::Square;
    Colour borderColor_ = colours::kButtonText;
    int borderWidth_ = 1;
};
