#pragma once

#include "app/controls/Timer.h"

#include <QStringList>

// Where the design puts what the procedures put back when a level is dealt,
// in twips.
namespace layout {
// The "START ==" marker beside the start cell.
inline constexpr int kStartMarkerLeft = 1500;
inline constexpr int kStartMarkerTop = 2560;
// The move message sits this far under the board's last row.
inline constexpr int kMoveMessageGap = 80;
}  // namespace layout

struct Form1Controls;
class QWidget;
class PictureFiles;

// Creates every control of the window in its design state, in the stacking
// order of the design: labels and shapes on the window's own surface first,
// then the picture boxes from the lowest to the topmost.
// The design's pictures come from `pictures`; the timers tick by `clock`.
void buildForm1(Form1Controls& ui, QWidget* window, PictureFiles& pictures, HandClock& clock);

// The files of the pictures the design puts on the window (banner, icons).
QStringList designPictureFiles();
