#pragma once

#include <QStringList>

struct Form1Controls;
class QWidget;
class PictureFiles;

// Creates every control of the window in its design state, in the stacking
// order of the design: labels and shapes on the window's own surface first,
// then the picture boxes from the lowest to the topmost.
// The design's pictures come from `pictures`.
void buildForm1(Form1Controls& ui, QWidget* window, PictureFiles& pictures);

// The files of the pictures the design puts on the window (banner, icons).
QStringList designPictureFiles();
