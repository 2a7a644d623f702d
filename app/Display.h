#pragma once

#include <QtGlobal>
#include <cstdio>

// Qt ends a program that cannot open a display with abort() and a core dump,
// after lines written for developers. The game says it in a line of its own and
// ends with status 1.

// Whether Qt is bound to look for a display that nothing names: X11 without
// DISPLAY, or X11 and Wayland without either variable. A platform that needs
// no display (the tests' offscreen one) or finds its own is left to Qt.
bool displayMissing();

// The line that says so, with how to get a display, on `err`.
void reportNoDisplay(std::FILE* err);

// While it lives, a display that is named but cannot be reached ends the
// program as a missing one does: kept around the making of the QApplication.
class DisplayOpening {
public:
    DisplayOpening();
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;
};
