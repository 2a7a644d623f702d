#pragma once

#include "app/Form1.h"

#include <QTest>

// Clicks the window the way a player does: the mouse pressed and released at
// a point of it, taken by whatever lies there (a real widget, or the window
// that draws the other controls). Tests click through these two alone, so it
// never matters to them what draws a control.
inline void clickAt(Form1& form, QPoint at)
{
    QWidget* target = form.childAt(at);
    if (!target) {
        target = &form;
    }
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&form, at));
}

// A point of the window where a click lands on `control` itself rather than
// on something drawn inside it (a cell's number labels): its middle when
// free, else the first free point of a grid over it; the middle when none is,
// so that a covered control is clicked where its cover lies.
inline QPoint pointOn(Form1& form, const Control& control)
{
    const QRect rect = form.windowRectOf(control);
    const Window& window = form.controls().Form1;
    if (window.controlAt(rect.center()) == &control) {
        return rect.center();
    }
    constexpr int kSteps = 6;
    for (int row = 1; row < kSteps; ++row) {
        for (int column = 1; column < kSteps; ++column) {
            const QPoint at(rect.x() + rect.width() * column / kSteps, rect.y() + rect.height() * row / kSteps);
            if (window.controlAt(at) == &control) {
                return at;
            }
        }
    }
    return rect.center();
}

// A click on a control, where the window draws it at its present size.
inline void click(Form1& form, const Control& control) { clickAt(form, pointOn(form, control)); }
