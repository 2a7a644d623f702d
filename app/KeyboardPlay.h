#pragma once

#include "app/replay/RecordedInputs.h"

#include <Qt>
#include <functional>
#include <vector>

struct Form1Controls;
struct KeyAction;
class Game;
class Label;

// The keys that play the game. Each stands for a click on one control of the
// table of controls, on the screens the table names, and acts only where that
// click would land and be answered: a hidden, disabled or covered control
// does not answer its key either, so no key leads anywhere a click could not.
//
// On the menu a highlight moves over the items. A player who has not touched
// the keyboard on the menu sees the design unchanged; from the first key
// pressed while the menu is in view the highlight is drawn, and it stands on
// "new game" whenever the menu comes into view.
class KeyboardPlay {
public:
    KeyboardPlay(Form1Controls& ui, Game& game);

    // Acts on a key; false for a key the game has no use for.
    bool keyPressed(Qt::Key key, Qt::KeyboardModifiers modifiers);
    // A minimised window pauses the level where the Pause key would, and
    // never resumes it.
    void windowMinimised();
    // How a key's action reaches the game: through the window, which records
    // it; straight to the game where none is set.
    std::function<void(GameAction)> perform;
    // Whether the player could call `action` now, by a key or by a click on
    // its control.
    bool wouldTake(GameAction action) const;
    // Told whenever a control shows or hides: the highlight goes back to
    // "new game" when the menu comes into view.
    void viewChanged();

    // The menu item to frame: null until the first key pressed on the menu,
    // and while the menu is out of view or covered.
    const Label* highlighted() const;
    // The menu item the highlight stands on, drawn or not: the one Return
    // chooses, and where a screen reader's focus rests on the menu.
    const Label& menuItem() const { return *menu_[item_]; }

private:
    bool moveHighlight(int step);
    bool clickFirstReachable(Qt::Key key);
    void act(GameAction action);
    // What `key` does to the level on the screen shown; null for nothing.
    const KeyAction* actionOf(Qt::Key key) const;

    Form1Controls& ui_;
    Game& game_;
    std::vector<Label*> menu_;
    std::size_t item_ = 0;
    bool drawn_ = false;
    bool menuInView_ = false;
};
