#pragma once

#include "app/Screen.h"

#include <QAccessible>
#include <QString>
#include <Qt>
#include <span>

struct Form1Controls;
struct GameState;
class Control;
class Game;

// How a screen reader reads a control out.
enum class Speech : std::uint8_t {
    Caption,      // its caption says it
    Words,        // the row's words say it: its caption is only a mark
    Counter,      // the row's words, then its caption, which is also its value
    Entry,        // the prompt above it; what was typed is its value
    HiScoreList,  // the row's words, then the rows read across the columns
    Result,       // the result line, then the total under it
    Board,        // every cell: its place, the player or target, its tile
    OnTheBoard,   // read out as one of the board's cells
};

// One control that means something to the player beyond its design name:
// what it is in the game's words, its role for a screen reader, the key that
// clicks it, the screens it may be seen on (its key clicks it only there, and
// only where a click would land and be answered), the screens on which the
// reader's focus rests on it, those on which its news is heard, and the
// handler its click calls.
struct ControlRow {
    // The control, found afresh each time for the cells that move with the
    // game; null for the board, which is all the cells.
    Control* (*control)(Form1Controls& ui, const GameState& state);
    const char* words;
    QAccessible::Role role;
    Speech speech;
    Qt::Key key;  // Qt::Key_unknown: none
    Screens screens;
    // Where the player acts or reads first. On the menu the focus follows
    // the keyboard's highlight instead.
    Screens focus;
    // The screens on which news of it (it came into view, or its text
    // changed) is heard at once, just before the control the focus rests on.
    Screens heard;
    void (Game::*click)();  // null: the click is answered elsewhere, or not
};

// Every such control, in the order a screen reader goes through them: the
// menu (its items in the order the keyboard's highlight moves over them), the
// panels, the score column, the board, the messages and the result panel.
// The keys, the screen reader and the click handlers are all read from here.
std::span<const ControlRow> controlTable();

// The row whose words are `words` and that is used on `shown`; null if none.
const ControlRow* controlRow(const char* words, Screen shown);

// A key that acts on the level as a whole, with no control to click: the
// pause and the resume. It acts on the screens named, while the window
// answers clicks.
struct KeyAction {
    Qt::Key key;
    Screens screens;
    void (Game::*action)();
};
std::span<const KeyAction> keyActions();

// The key that has a screen reader say the score column's numbers at once,
// and the screens it does so on: flat review may hold a counter's old number
// until the reader's focus moves.
struct ReaderKey {
    Qt::Key key;
    Screens screens;
};
extern const ReaderKey kScoreKey;

// The keys that call `action`, as the player reads them: "P or Pause".
QString keyNames(void (Game::*action)());
