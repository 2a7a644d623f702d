#include "app/KeyboardPlay.h"

#include "app/ControlTable.h"
#include "app/Form1Controls.h"
#include "app/Game.h"
#include "app/controls/ControlTree.h"

KeyboardPlay::KeyboardPlay(Form1Controls& ui, Game& game) : ui_(ui), game_(game)
{
    // The menu's items, in the order the highlight moves over them.
    for (const ControlRow& row : controlTable()) {
        if (row.screens.contains(Screen::Menu) && row.role == QAccessible::Button) {
            menu_.push_back(static_cast<Label*>(row.control(ui_, game_)));
        }
    }
}

const Label* KeyboardPlay::highlighted() const
{
    const Label* item = menu_[item_];
    return drawn_ && controltree::clickWouldReach(*item) ? item : nullptr;
}

void KeyboardPlay::viewChanged()
{
    // The menu comes into view when it shows and when a panel that covered
    // it closes; the panels leave the menu shown under them.
    const bool menuInView = screen(ui_) == Screen::Menu;
    if (menuInView && !menuInView_) {
        item_ = 0;
    }
    menuInView_ = menuInView;
}

bool KeyboardPlay::moveHighlight(int step)
{
    if (!controltree::clickWouldReach(*menu_[item_])) {
        return false;
    }
    const auto items = std::ptrdiff_t(menu_.size());
    item_ = std::size_t((std::ptrdiff_t(item_) + step + items) % items);
    return true;
}

bool KeyboardPlay::clickFirstReachable(Qt::Key key)
{
    const Screen shown = screen(ui_);
    for (const ControlRow& row : controlTable()) {
        Control* control = row.key == key && row.screens.contains(shown) ? row.control(ui_, game_) : nullptr;
        if (control && controltree::clickWouldReach(*control)) {
            control->deliverClick();
            return true;
        }
    }
    return false;
}

const KeyAction* KeyboardPlay::actionOf(Qt::Key key) const
{
    // While a click is handled the window answers nothing, keys included.
    if (!ui_.Form1.answersClicks()) {
        return nullptr;
    }
    const Screen shown = screen(ui_);
    for (const KeyAction& row : keyActions()) {
        if (row.key == key && row.screens.contains(shown)) {
            return &row;
        }
    }
    return nullptr;
}

bool KeyboardPlay::wouldTake(GameAction action) const
{
    if (!ui_.Form1.answersClicks()) {
        return false;
    }
    const Screen shown = screen(ui_);
    for (const KeyAction& row : keyActions()) {
        if (row.action == action && row.screens.contains(shown)) {
            return true;
        }
    }
    for (const ControlRow& row : controlTable()) {
        if (row.click == action && controltree::clickWouldReach(*row.control(ui_, game_))) {
            return true;
        }
    }
    return false;
}

void KeyboardPlay::act(GameAction action)
{
    if (perform) {
        perform(action);
    } else {
        (game_.*action)();
    }
}

void KeyboardPlay::windowMinimised()
{
    const KeyAction* row = actionOf(Qt::Key_Pause);
    if (row && row->action == &Game::PauseLevel) {
        act(&Game::PauseLevel);
    }
}

bool KeyboardPlay::keyPressed(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    // Only a key the player presses on the menu shows they steer it with the
    // keys; the Return that saved a name says nothing about the menu.
    drawn_ = drawn_ || menuInView_;
    const bool shift = modifiers & Qt::ShiftModifier;
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Backtab:
        return moveHighlight(-1);
    case Qt::Key_Tab:
        return moveHighlight(shift ? -1 : 1);
    case Qt::Key_Down:
        return moveHighlight(1);
    case Qt::Key_Enter:
        return keyPressed(Qt::Key_Return, modifiers);
    default:
        break;
    }
    if (const KeyAction* row = actionOf(key)) {
        act(row->action);
        return true;
    }
    if (clickFirstReachable(key)) {
        return true;
    }
    // Return and Space on the menu choose the item the highlight stands on,
    // drawn or not, so Return alone starts a new game.
    Label& item = *menu_[item_];
    if ((key == Qt::Key_Return || key == Qt::Key_Space) && controltree::clickWouldReach(item)) {
        item.deliverClick();
        return true;
    }
    return false;
}
