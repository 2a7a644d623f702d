#pragma once

#include "app/Form1Controls.h"
#include "app/Game.h"
#include "app/KeyboardPlay.h"
#include "app/controls/RealTimeClock.h"
#include "app/hiscores/ListHighlight.h"
#include "app/replay/RecordedAnswers.h"
#include "app/replay/RecordedInputs.h"
#include "app/replay/WatchedGame.h"

#include <QWidget>
#include <memory>

class MessageBoxes;
class RandomSource;

// The game's one window: black, titled QUORBIT. It builds every control from
// its layout tables, draws them scaled to whatever size the player gives it,
// and hands each click and tick to the game.
class Form1 : public QWidget {
public:
    // Its timers tick by the clock unless `ticks` says the caller moves them
    // on by hand (tests and the screenshot tool).
    Form1(const GameFiles& files, RandomSource& random, MessageBoxes& boxes, PreparedDatabaseKey* preparedKey = nullptr,
          Ticks ticks = Ticks::FromClock);

    Form1Controls& controls() { return ui_; }
    const Form1Controls& controls() const { return ui_; }
    Game& game() { return game_; }
    const KeyboardPlay& keyboard() const { return keyboard_; }
    // The clock the timers tick by when they tick by hand; null otherwise.
    HandClock* handClock() { return realTime_ ? nullptr : &clock_; }
    // Whether every control exists: a reader is shown them only from then.
    bool isBuilt() const { return built_; }

    // Hands an input to the game as the player's click or key does: the
    // clock caught up first, the input recorded, whoever watches told.
    void perform(GameAction action);
    void performOnCell(CellAction action, std::int16_t cell);
    // A recorded input, played again at its own moment on the game's clock:
    // neither recorded again nor moving the clock. False, and nothing done,
    // where no player could have given that input at this moment: the
    // recording does not fit the game.
    bool playBack(const replay::Step& step);
    void playBack(GameAction action);
    HandClock& clock() { return clock_; }
    // Plays a recorded game in the window at its own pace; `left` is told once
    // the player or its end leaves it, with the window back on the menu.
    // False when the window cannot deal the recorded boards.
    bool watch(replay::Recording recording, std::function<void()> left);
    bool watching() const { return watched_ != nullptr; }
    // The boxes the game asks through, which a playback answers.
    RecordedAnswers& answers() { return answers_; }
    // Moves the game's clock in play; null when the timers tick by hand.
    RealTimeClock* realTimeClock() { return realTime_.get(); }

    // Where a control lies in this widget at the window's present size.
    QRect windowRectOf(const Control& control) const;

    // What moved the game: the player (a click or a key, which may change
    // what any cell holds) or the clock (a tick or a control showing or
    // hiding, which never does).
    enum class Mover : std::uint8_t { Player, Clock };
    // Told after the game handled a click, a tick or a key, and whenever a
    // control showed or hid; a screen reader's view of the window listens
    // here from the moment a reader first asks for it.
    std::function<void(Mover)> onChanged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A player who minimises the window has stepped away.
    void changeEvent(QEvent* event) override;
    // Tab moves the menu's highlight, not the keyboard between widgets.
    bool focusNextPrevChild(bool) override { return false; }

private:
    void connectHandlers();
    void catchUpClock();
    void stopWatching();
    void watchListedRow(int row);
    // The highlighted row of the hi-score list, in the window.
    QRectF listRowRect(int row) const;
    void changed(Mover mover) const;

    HandClock clock_;  // made before the timers on it
    // Moves clock_ on in play; none when the timers tick by hand.
    std::unique_ptr<RealTimeClock> realTime_;
    Form1Controls ui_;
    RecordedAnswers answers_;
    Game game_;
    KeyboardPlay keyboard_{ui_, game_};
    ListHighlight listHighlight_{ui_, game_};
    // The control a press landed on: a click is a press and a release on the
    // same control.
    Control* pressed_ = nullptr;
    bool built_ = false;
    std::unique_ptr<WatchedGame> watched_;
};
