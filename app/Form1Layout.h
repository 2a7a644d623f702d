#pragma once

struct Form1Controls;
class QWidget;
class PictureFiles;

// Creates every control of the window in its design state, in the stacking
// order of the design: labels and shapes on the window's own surface first,
// then the picture boxes from the lowest to the topmost.
void buildForm1(Form1Controls& ui, QWidget* window);
