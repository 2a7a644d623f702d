#pragma once

#include <Qt>

struct Form1Controls;
class Control;
class Game;
class Label;

// The keys that play the game. Each stands for a click on one control and
// acts only where that click would land and be answered: a hidden, disabled
// or covered control does not answer its key either, so no key leads
// anywhere a click could not.
//
// On the menu a highlight moves over the five items. A player who has not
// touched the keyboard on the menu sees the design unchanged; from the first
// key pressed while the menu is in view the highlight is drawn, and it stands
// on "new game" whenever the menu comes into view.
class KeyboardPlay {
public:
    KeyboardPlay(Form1Controls& ui, Game& game) : ui_(ui), game_(game) {}

    // Acts on a key; false for a key the game has no use for.
    bool keyPressed(Qt::Key key, Qt::KeyboardModifiers modifiers);
    // Looks whether the menu is in view, so the highlight can go back to
    // "new game" when it comes into view.
    void viewChanged();
    // Told whenever a control shows or hides; only one over the menu can
    // change what the menu shows.
    void controlShownOrHidden(const Control& changed);

    // The menu item to frame: null until the first key pressed on the menu,
    // and while the menu is out of view or covered.
    const Label* highlighted() const;

private:
    Label& menuItem(int index) const;
    bool moveHighlight(int step);
    bool clickFirstReachable(Qt::Key key);

    Form1Controls& ui_;
    Game& game_;
    int item_ = 0;
    bool drawn_ = false;
    bool menuInView_ = false;
};
