#pragma once

#include "support/BoardSetup.h"
#include "support/ClickControl.h"
#include "support/StartedWindow.h"

#include <QTest>

// Plays the real window the way a person would: mouse clicks on the window,
// and the timers' ticks called in place of the seconds going by.
class Player {
public:
    explicit Player(StartedWindow& window) : window_(window) {}

    Game& game() { return window_.game(); }
    Form1Controls& ui() { return window_.ui(); }

    void click(const Control& control) { ::click(*window_.form, control); }
    // A key pressed on the shown window, taken by whatever has the keyboard
    // there (the name box, or the window itself), as a player's key is.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(shownWindow(), key, modifiers);
    }
    void type(const QString& text)
    {
        for (const QChar character : text) {
            QTest::keyClick(shownWindow(), character.toLatin1());
        }
    }
    void clickCell(int cell) { click(ui().Picture1[cell]); }

    // "new game", then the four ticks of the countdown that open the board.
    void startNewGame()
    {
        click(ui().Label22);
        runCountdown();
    }
    void runCountdown()
    {
        for (int tick = 0; tick < 4; ++tick) {
            game().Timer4_Timer();
        }
    }
    void tickSquares() { game().Timer7_Timer(); }

    // Lays a path of tiles from the player's cell, as if the level had dealt
    // them, and works out the player's move again.
    void plant(int cell, const CellValue& code, int first = 1, int second = 1)
    {
        putTile(game(), cell, code, first, second);
        game().cellCodes(cell, CellCodes::kUsedMark) = 0;
    }
    void replan() { game().ResolveMoves(); }

    // Wins the level in one move: the player's tile is turned to step one
    // cell right or down onto a door planted there.
    void winLevel()
    {
        const int from = game().playerCell;
        const bool right = board::columnOf(from) < board::kColumns - 1;
        const int door = right ? from + 1 : from + board::kColumns;
        plant(from, right ? "1c" : "1b", 1);
        plant(door, "door");
        game().cellCodes(door, CellCodes::kUsedMark) = "0";
        replan();
        clickCell(door);
    }

private:
    QWindow* shownWindow()
    {
        Form1& form = *window_.form;
        if (!form.isVisible()) {
            form.show();
            if (!QTest::qWaitForWindowExposed(&form)) {
                qFatal("the window did not show");
            }
        }
        return form.windowHandle();
    }

    StartedWindow& window_;
};
