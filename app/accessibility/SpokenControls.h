#pragma once

#include "app/Screen.h"

#include <QAccessible>
#include <QString>
#include <functional>
#include <vector>

class Control;
class Form1;

// One control as a screen reader meets it: a role, a name, maybe a value,
// and the key that clicks it.
struct SpokenControl {
    Control* control;  // where it lies, whether it is in view, what a press clicks
    QAccessible::Role role;
    std::function<QString()> name;
    // A counter's number, read when the player asks: it ticks too often to
    // be part of a name the reader is told of at every change. Empty where
    // the control has none.
    std::function<QString()> value;
    Qt::Key key = Qt::Key_unknown;
    // The screens on which its news is heard with the reader's focus.
    Screens heard = {};
    // A cell, whose name changes only when the player plays.
    bool onTheBoard = false;

    // A button is pressed as it is clicked.
    bool pressable() const { return role == QAccessible::Button; }
};

// Every control the player uses, in the table of controls' reading order,
// with the board's cells one by one in the board's place.
std::vector<SpokenControl> spokenControls(Form1& form);
