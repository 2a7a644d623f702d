#pragma once

#include <QRect>
#include <functional>
#include <vector>

class QPainter;
class QWidget;
class Window;

// What every visible control of the window has: a place and size in twips
// inside its container, Visible, Enabled and a click handler.
//
// Enabled is the game's own flag: a disabled cell must look exactly like an
// enabled one, it only stops answering clicks. A control answers a click only
// while it and every container around it, up to the window, are enabled.
//
// Most controls are no windows of their own: the window paints them, each
// container's children over it in the order they were created, and finds the
// control under a click itself (app/controls/ControlTree.h). Only the text box
// and the button are real widgets, which the window places over its painting.
class Control {
public:
    Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    void setLeft(int twips);
    void setTop(int twips);
    void setGeometry(int left, int top, int width, int height);
    // Where the control is drawn inside its container, in pixels of the
    // design: each edge rounded on its own, so neighbours never overlap or
    // open a gap that the twips did not have.
    QRect pixelRect() const;

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool answersClicks() const;

    Control* container() const { return container_; }
    // The controls inside this one, from the lowest to the topmost.
    const std::vector<Control*>& children() const { return children_; }

    // Called for a click that the control answers; empty for controls the
    // game gives no click handler.
    std::function<void()> onClick;

    // A press and release on the control, by mouse or key.
    void deliverClick();

    // Draws the control in its own pixels of the design, its top left at the
    // painter's origin; what lies inside it is drawn afterwards, over it.
    virtual void paint(QPainter&) const {}
    // Where what the control holds is placed and kept, in its own pixels: all
    // of it, unless a border takes its edge.
    virtual QRect innerRect() const { return {QPoint(0, 0), pixelRect().size()}; }
    // Whether its paint covers every pixel of it, hiding what lies beneath.
    virtual bool opaque() const { return false; }
    // Whether a click on the control stops there; an outline lets it through
    // to whatever lies beneath.
    virtual bool takesClicks() const { return true; }
    // The real widget behind a control that is one; null for painted ones.
    virtual QWidget* nativeWidget() const { return nullptr; }
    // A real widget takes the window's scale: its font grows with the drawing.
    virtual void scaleTo(double) {}

protected:
    void attach(Control& container);
    // Draws the control's area of the window again.
    void repaint() const;
    Window* window() const { return window_; }
    virtual void geometryChanged() {}

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;

private:
    friend class Window;
    void moveTo(int left, int top, int width, int height);

    Control* container_ = nullptr;
    Window* window_ = nullptr;
    std::vector<Control*> children_;
    bool enabled_ = true;
    bool visible_ = true;
};
