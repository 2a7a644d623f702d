#pragma once

#include "app/controls/Colour.h"
#include "app/controls/Control.h"
#include "app/controls/Picture.h"

// A picture box: a container with a background, an optional border and an
// optional picture. Cells stretch their tile over the whole box; the other
// boxes show their picture at its own size from the top left.
class PictureBox : public Control {
public:
    enum class Border { None, FixedSingle };

    void create(Control& container) { attach(container); }

    const Picture& picture() const { return picture_; }
    void setPicture(const Picture& picture);

    Colour backColor() const { return backColor_; }
    void setBackColor(Colour colour);
    Border border() const { return border_; }
    void setBorder(Border border);
    void setStretchPicture(bool stretch) { stretch_ = stretch; }
    bool stretchPicture() const { return stretch_; }

    void paint(QPainter& painter) const override;
    QRect innerRect() const override;
    bool opaque() const override { return true; }

private:
    Picture picture_;
    Colour backColor_ = colours::kMenuText;
    Border border_ = Border::None;
    bool stretch_ = false;
};
