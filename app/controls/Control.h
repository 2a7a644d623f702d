#pragma once

#include <functional>

class QWidget;

// What every visible control of the window has: a place and size in twips
// inside its container, Visible, Enabled and a click handler.
//
// Enabled is the game's own flag and deliberately not QWidget's: a disabled
// cell must look exactly like an enabled one, it only stops answering clicks.
// A control answers a click only while it and every container around it, up
// to the window, are enabled.
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

    bool visible() const;
    void setVisible(bool visible);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool answersClicks() const;

    Control* container() const { return container_; }

    // Called for a click that the control answers; empty for controls the
    // game gives no click handler.
    std::function<void()> onClick;

    // The widget behind the control, for the window's own plumbing and for
    // tests that click it like a player would.
    QWidget* widget() const { return widget_; }
    QWidget* containerWidget() const;

    // Entry point for the widget: a press and release on the control.
    void deliverClick();

protected:
    void attach(QWidget* widget, Control* container);
    virtual void geometryChanged() {}
    void applyGeometry();

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;

private:
    QWidget* widget_ = nullptr;
    Control* container_ = nullptr;
    bool enabled_ = true;
};
