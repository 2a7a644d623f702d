#pragma once

#include <QPointF>
#include <QRect>

class Control;

// The window's controls as one tree: the window at the root, each
// container's children from the lowest to the topmost. What is drawn, what a
// click lands on and what a key may act on are all read from it here, so the
// three always agree.
namespace controltree {

// Shown to the player: the control and every container around it visible.
bool shownOnScreen(const Control& control);

// The control's rectangle in pixels of the design, from the window's top left.
QRect windowPixelRect(const Control& control);

// The control a click at `point` (pixels of the design, from the window's
// top left) lands on: the topmost shown control there that takes clicks, an
// inner control before its container; null where no control lies.
Control* controlAt(const Control& root, QPointF point);

// Whether a click on the middle of `control` would land on it or on
// something inside it (a cell's own number labels), rather than on a panel or
// control that covers it: the control is in the player's view.
bool clickWouldLand(const Control& control);

// Whether a click would land on `control` and be answered there.
bool clickWouldReach(const Control& control);

}  // namespace controltree
