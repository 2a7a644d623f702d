#pragma once

#include "app/controls/Control.h"

// The window itself as a control: its Enabled switch holds back every click
// on it, and its Height and Width are the outer size, frame included.
class Window : public Control {
public:
    // The classic fixed single frame the layout was measured with.
    static constexpr int kFramePixels = 3;
    static constexpr int kCaptionPixels = 18;

    void create(QWidget* window);
    void setHeight(int twips);
    void setWidth(int twips);
    // Closes the window; it is the program's only one, so the program ends.
    void unload();

private:
    void applyClientSize();
};
