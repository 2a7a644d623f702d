#include "app/KeyboardPlay.h"

#include "app/Form1Controls.h"
#include "app/Game.h"
#include "app/controls/ControlTree.h"

#include <array>

namespace {

using F = Form1Controls;

constexpr int kMenuItems = 5;
constexpr std::array<Label F::*, kMenuItems> kMenu{&F::Label22, &F::Label23, &F::Label24, &F::Label25, &F::Label26};

// Which control a key clicks, first reachable one wins. The situations never
// show two of one key's controls at once; the order only says which is
// looked at first.
struct KeyClick {
    Qt::Key key;
    Control* (*control)(F& ui, const Game& game);
};

Control* cell(F& ui, int index) { return index >= 0 && index < board::kCells ? &ui.Picture1[index] : nullptr; }

const KeyClick kKeyClicks[] = {
    // The panels' X, and the red X that asks to quit a running game.
    {Qt::Key_Escape, [](F& ui, const Game&) -> Control* { return &ui.Label35; }},
    {Qt::Key_Escape, [](F& ui, const Game&) -> Control* { return &ui.Label38; }},
    {Qt::Key_Escape, [](F& ui, const Game&) -> Control* { return &ui.Label45; }},
    {Qt::Key_Escape, [](F& ui, const Game&) -> Control* { return &ui.Label27; }},
    {Qt::Key_R, [](F& ui, const Game&) -> Control* { return &ui.Label48; }},
    {Qt::Key_F1, [](F& ui, const Game&) -> Control* { return &ui.Label24; }},
    // NEXT LEVEL, the green x that saves a name, the offered move.
    {Qt::Key_Return, [](F& ui, const Game&) -> Control* { return &ui.Command2; }},
    {Qt::Key_Return, [](F& ui, const Game&) -> Control* { return &ui.Label37; }},
    {Qt::Key_Return, [](F& ui, const Game& game) { return cell(ui, game.targetCell); }},
    // The player's own cell turns its tile.
    {Qt::Key_Space, [](F& ui, const Game& game) { return cell(ui, game.playerCell); }},
};

}  // namespace

Label& KeyboardPlay::menuItem(int index) const { return ui_.*kMenu[index]; }

const Label* KeyboardPlay::highlighted() const
{
    const Label& item = menuItem(item_);
    return drawn_ && controltree::clickWouldReach(item) ? &item : nullptr;
}

void KeyboardPlay::viewChanged()
{
    // The menu comes into view when it shows and when a panel that covered
    // it closes; the panels leave the menu shown under them.
    const bool menuInView = controltree::clickWouldLand(menuItem(0));
    if (menuInView && !menuInView_) {
        item_ = 0;
    }
    menuInView_ = menuInView;
}

void KeyboardPlay::controlShownOrHidden(const Control& changed)
{
    // A level shows or hides its 308 cells one by one, away from the menu:
    // asking the whole window each time cost start-up and every deal a
    // millisecond.
    const QRect menu = controltree::windowPixelRect(menuItem(0));
    if (controltree::windowPixelRect(changed).intersects(menu)) {
        viewChanged();
    }
}

bool KeyboardPlay::moveHighlight(int step)
{
    if (!controltree::clickWouldReach(menuItem(item_))) {
        return false;
    }
    item_ = (item_ + step + kMenuItems) % kMenuItems;
    return true;
}

bool KeyboardPlay::clickFirstReachable(Qt::Key key)
{
    for (const KeyClick& entry : kKeyClicks) {
        Control* control = entry.key == key ? entry.control(ui_, game_) : nullptr;
        if (control && controltree::clickWouldReach(*control)) {
            control->deliverClick();
            return true;
        }
    }
    return false;
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
    if (clickFirstReachable(key)) {
        return true;
    }
    // Return and Space on the menu choose the item the highlight stands on,
    // drawn or not, so Return alone starts a new game.
    Label& item = menuItem(item_);
    if ((key == Qt::Key_Return || key == Qt::Key_Space) && controltree::clickWouldReach(item)) {
        item.deliverClick();
        return true;
    }
    return false;
}
