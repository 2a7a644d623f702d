#pragma once

#include <cstdint>
#include <functional>
#include <vector>

class QTimer;
class QObject;
class HandClock;

// What makes the window's timers tick: the clock, as in play, or a hand
// clock that whoever holds the window (a test, the screenshot tool) moves on
// itself. Tick handlers may also be called directly; that leaves the timers
// as they are.
enum class Ticks { FromClock, ByHand };

// A timer of the window: an interval and an Enabled switch. Switching a
// stopped timer on starts its interval from that moment; switching on one
// that already runs changes nothing. Ticks arrive on the window's thread
// between other events, and keep arriving while a message box waits.
//
// A paused timer stands still with what was left of its interval and goes on
// from there at the resume, so its ticks fall as if the pause had not been.
// Its switch still works while paused: a timer switched on then starts its
// whole interval at the resume, one switched off stays off.
class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Ticks by `handClock` where one is given, else by the clock.
    void create(QObject* owner, int intervalMs, HandClock* handClock);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return intervalMs_; }

    bool paused() const { return paused_; }
    void pause();
    void resume();
    // The time to the next tick, while the timer is on.
    int remainingMs() const;

    std::function<void()> onTick;

private:
    friend class HandClock;
    bool running() const { return enabled_ && !paused_; }
    void start(int firstTickMs);
    void stop();
    void tick();

    QTimer* timer_ = nullptr;  // none when ticked by hand
    HandClock* handClock_ = nullptr;
    std::int64_t dueAtMs_ = 0;  // on the hand clock
    int intervalMs_ = 0;
    int pausedRemainingMs_ = 0;
    bool enabled_ = false;
    bool paused_ = false;
};

// Time that passes only when told to. The timers made on it fall due as it
// moves, so whole minutes of play pass without waiting for them.
class HandClock {
public:
    std::int64_t now() const { return nowMs_; }
    // Lets `ms` pass, delivering every tick that falls due on the way in the
    // order they fall due; at the same moment, the timer made first ticks
    // first.
    void advance(std::int64_t ms);

private:
    friend class Timer;
    std::vector<Timer*> timers_;
    std::int64_t nowMs_ = 0;
};
