#pragma once

#include "app/controls/Control.h"
#include "app/controls/Viewport.h"

#include <QSize>
#include <cstdint>
#include <functional>
#include <vector>

class QPainter;

// The window itself as a control: its Enabled switch holds back every click
// on it, and its Height and Width are the outer size, frame included, of the
// design. Everything inside is drawn here, scaled to whatever size the player
// gives the window; the text box and the button, real widgets, are placed and
// sized over the drawing to match.
class Window : public Control {
public:
    // The classic fixed single frame the layout was measured with.
    static constexpr int kFramePixels = 3;
    static constexpr int kCaptionPixels = 18;

    void create(QWidget* surface);
    void setHeight(int twips);
    void setWidth(int twips);
    // Closes the window; it is the program's only one, so the program ends.
    void unload();

    // The inner area of the design, in its pixels.
    QSize designSize() const;
    Viewport viewport() const;
    // Where a control is on the window at its present size.
    QRectF windowRectOf(const Control& control) const;
    // The control a click at this point of the window lands on; null on the
    // black bars and where no control lies.
    Control* controlAt(QPointF windowPoint) const;

    // Draws the shown controls that meet `dirty` (a rectangle of the window).
    void paintControls(QPainter& painter, const QRect& dirty) const;
    // Puts the real widgets where their controls are drawn: after the window
    // was resized, or a control or a container of it moved or showed.
    void placeNativeWidgets();
    // A control that is a real widget joins the window's own.
    void adoptWidget(Control& control);

    // Counts the moves, shows and hides of its controls: as long as it stays
    // the same, every control lies where it lay and shows as it showed, so
    // what was found in view then is in view now.
    std::uint64_t arrangement() const { return arrangement_; }

    // Told after any control showed or hid, when what the player can see may
    // have changed: a panel opened or closed, the menu came back.
    std::function<void(const Control& changed)> onShownOrHidden;

private:
    friend class Control;
    void repaintArea(const QRect& designPixels) const;
    void controlMoved();
    void controlShownOrHidden(const Control& changed);
    void applyClientSize();

    QWidget* surface_ = nullptr;
    std::vector<Control*> natives_;
    std::uint64_t arrangement_ = 0;
};
