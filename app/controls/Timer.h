#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

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

    void create(int intervalMs, HandClock& clock);

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

    HandClock* clock_ = nullptr;
    std::int64_t dueAtMs_ = 0;
    int intervalMs_ = 0;
    int pausedRemainingMs_ = 0;
    bool enabled_ = false;
    bool paused_ = false;
};

// The game's time, in milliseconds, which passes only when told to: every
// timer ticks on one, so the order of ticks is a matter of arithmetic, the
// same in play, in a test and when a recorded game is played again. In play
// the real clock moves it (RealTimeClock); tests move it themselves, and
// whole minutes of play pass without waiting for them.
class HandClock {
public:
    std::int64_t now() const { return nowMs_; }
    // Lets `ms` pass, delivering every tick that falls due on the way in the
    // order they fall due; at the same moment, the timer made first ticks
    // first, and the alarm rings after them.
    void advance(std::int64_t ms);
    void advanceTo(std::int64_t atMs) { advance(atMs - nowMs_); }
    // When the next tick or the alarm falls due; none while nothing runs.
    std::optional<std::int64_t> nextDue() const;

    // One call at a moment of the game's time, rung in order with the ticks:
    // a recorded input played again. A new one replaces the old.
    void setAlarm(std::int64_t atMs, std::function<void()> ring);
    void clearAlarm() { ring_ = nullptr; }

    // Told whenever a timer starts or stops, or the alarm is set, so that
    // whatever moves the clock knows when it next has to.
    std::function<void()> onScheduleChanged;

private:
    friend class Timer;
    Timer* nextTimerDue(std::int64_t until) const;
    void scheduleChanged() const;

    std::vector<Timer*> timers_;
    std::int64_t nowMs_ = 0;
    std::int64_t alarmAtMs_ = 0;
    std::function<void()> ring_;
};
