#pragma once

#include <QAccessible>
#include <QString>
#include <functional>
#include <vector>

class Control;
class Form1;
class Label;

// One control as a screen reader meets it: a role, a name, maybe a value,
// and the captions whose changes change what it says.
struct SpokenControl {
    Control* control;  // where it lies, whether it is in view, what a press clicks
    QAccessible::Role role;
    std::function<QString()> name;
    std::function<QString()> value;  // empty where the control has none
    std::vector<Label*> speaksFrom;
    bool pressable = false;
};

// Every control the player uses, in reading order: menu and panels, the
// score column, the board, the message line and the result panel.
std::vector<SpokenControl> spokenControls(Form1& form);
