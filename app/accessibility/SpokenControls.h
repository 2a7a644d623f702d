#pragma once

#include <QAccessible>
#include <QString>
#include <functional>
#include <vector>

class Control;
class Form1;
class Label;

// One control as a screen reader meets it: a role, a name, maybe a value,
// the captions whose changes change what it says, and the key that clicks it.
struct SpokenControl {
    Control* control;  // where it lies, whether it is in view, what a press clicks
    QAccessible::Role role;
    std::function<QString()> name;
    std::function<QString()> value;  // empty where the control has none
    std::vector<Label*> speaksFrom;
    Qt::Key key = Qt::Key_unknown;

    // A button is pressed as it is clicked.
    bool pressable() const { return role == QAccessible::Button; }
};

// Every control the player uses, in the table of controls' reading order,
// with the board's cells one by one in the board's place.
std::vector<SpokenControl> spokenControls(Form1& form);
