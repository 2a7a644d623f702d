#pragma once

class Control;
class Form1;

// Whether the player can see a control: it and every container around it are
// shown, and no panel that lies higher in the window's stacking order covers
// its middle (an open panel covers the menu, the name entry covers the
// hi-score panel's X and reset).
bool isInView(const Form1& form, const Control& control);
