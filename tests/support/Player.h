#pragma once

#include "app/ControlTable.h"
#include "app/Screen.h"
#include "app/controls/ControlTree.h"
#include "board/Board.h"
#include "board/TileCodes.h"
#include "scoring/Captions.h"
#include "support/BoardSetup.h"
#include "support/ClickControl.h"
#include "support/StartedWindow.h"

#include <QTest>

// Tests take screens as data.
Q_DECLARE_METATYPE(Screen)

// Plays the real window the way a person would, and sees it the way a person
// does: mouse clicks and keys on the window, the timers' ticks called in
// place of the seconds going by, and the game read as the screen it is on,
// the counters it shows, the cell the player stands on and the target. The
// tests and the screenshot tool play through it alike.
class Player {
public:
    explicit Player(Form1& form) : form_(form) {}
    explicit Player(StartedWindow& window) : Player(*window.form) {}

    Game& game() { return form_.game(); }
    Form1Controls& ui() { return form_.controls(); }

    // ---- What the player sees ----

    Screen screen() const { return ::screen(form_.controls()); }
    // A counter of the score column by its name: "clicks", "time bonus".
    int counter(const char* words)
    {
        // The column stays as the game left it under the panels.
        const ControlRow* row = controlRow(words, Screen::Playing);
        const auto* value = row ? dynamic_cast<const Label*>(row->control(ui(), game())) : nullptr;
        if (!value) {
            qFatal(R"(no counter "%s")", words);
        }
        return captions::toNumber(value->caption());
    }
    int total() { return counter("total"); }
    // The result panel: its line ("YOU WON", "GAME OVER") and the final total
    // under it.
    QString result() const { return form_.controls().Label5.caption(); }
    int finalTotal() const { return captions::toNumber(form_.controls().Label17.caption()); }
    int standsOn() { return game().playerCell; }
    int target() { return game().targetCell; }
    // The control that the table of controls calls `words` on the screen
    // shown now.
    Control& control(const char* words)
    {
        const ControlRow* row = controlRow(words, screen());
        Control* found = row ? row->control(ui(), game()) : nullptr;
        if (!found) {
            qFatal(R"(no "%s" on the screen "%s")", words, screenWords(screen()));
        }
        return *found;
    }
    // In the player's view: a click on its middle would land on it.
    static bool inView(const Control& control) { return controltree::clickWouldLand(control); }

    // ---- What the player does ----

    void click(const Control& control) { ::click(form_, control); }
    void click(const char* words) { click(control(words)); }
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
    void turn() { clickCell(standsOn()); }
    void move() { clickCell(target()); }

    // "new game", then the four ticks of the countdown that open the board.
    void startNewGame()
    {
        click("new game");
        runCountdown();
    }
    void runCountdown(int seconds = 4)
    {
        for (int tick = 0; tick < seconds; ++tick) {
            game().Timer4_Timer();
        }
    }
    void tickSquares() { game().Timer7_Timer(); }
    // Lets `ms` of the window's clock pass, with every tick that falls due.
    void wait(int ms) { form_.handClock()->advance(ms); }
    void minimise(bool minimised = true)
    {
        shownWindow();
        form_.setWindowState(minimised ? Qt::WindowMinimized : Qt::WindowNoState);
        QCoreApplication::processEvents();  // the platform's answer, at once
    }
    // The five seconds between a lost game and the menu or the name entry.
    void waitOutTheGameOverPause()
    {
        for (int tick = 0; tick < 5; ++tick) {
            game().Timer5_Timer();
        }
    }

    // Lays a tile on a cell, as if the level had dealt it, and works out the
    // player's move again.
    void plant(int cell, const CellValue& code, int first = 1, int second = 1)
    {
        putTile(game(), cell, code, first, second);
        game().cellCodes(cell, CellCodes::kUsedMark) = 0;
    }
    void replan() { game().ResolveMoves(); }

    // Turns the player's tile to step one cell right, or down at the board's
    // right edge, onto `code` planted there; returns that cell.
    int aimAt(const CellValue& code)
    {
        const int from = standsOn();
        const bool right = board::columnOf(from) < board::kColumns - 1;
        const int next = right ? from + 1 : from + board::kColumns;
        plant(from, right ? "1c" : "1b");
        plant(next, code);
        replan();
        return next;
    }
    // Wins the level in one move, onto a door; loses the game in one, into a
    // black hole.
    void winLevel() { clickCell(aimAt(tiles::kDoor)); }
    void loseGame() { clickCell(aimAt(tiles::kBlackHole)); }

    // Plays from the menu at start-up to `goal`, the shortest way: a level
    // won in one move, a game lost in one, the list empty so the loss is a
    // new hi-score. The countdown is the second level's, where the quit's X
    // shows.
    void playTo(Screen goal)
    {
        using enum Screen;
        switch (goal) {
        case Menu:
            return;
        case HiScores:
        case HowToPlay:
        case Credits:
            click(screenWords(goal));
            return;
        case Countdown:
            playTo(LevelWon);
            click("NEXT LEVEL");
            return;
        case Playing:
            startNewGame();
            return;
        case Paused:
            startNewGame();
            press(Qt::Key_P);
            return;
        case LevelWon:
            startNewGame();
            winLevel();
            return;
        case GameOverPause:
            startNewGame();
            loseGame();
            return;
        case NameEntry:
            playTo(GameOverPause);
            waitOutTheGameOverPause();
            return;
        }
    }

    // Plays up to `moves` moves the careful way: turns the tile until it
    // offers a cell that neither ends the level nor the game, then takes it.
    // Stops where no turn offers one.
    void playCarefully(int moves)
    {
        for (int made = 0; made < moves; ++made) {
            for (int turn = 0; turn < 4 && !freshTarget(); ++turn) {
                this->turn();
            }
            if (!freshTarget()) {
                return;
            }
            move();
        }
    }

private:
    bool freshTarget()
    {
        const int cell = target();
        if (cell < 0 || cell == standsOn() || game().cellCodes.isUsed(cell)) {
            return false;
        }
        const CellValue& code = game().cellCodes(cell, CellCodes::kTileCode);
        return !(code == CellValue(tiles::kBlackHole)) && !(code == CellValue(tiles::kDoor));
    }

    QWindow* shownWindow()
    {
        if (!form_.isVisible()) {
            form_.show();
            if (!QTest::qWaitForWindowExposed(&form_)) {
                qFatal("the window did not show");
            }
        }
        return form_.windowHandle();
    }

    Form1& form_;
};
