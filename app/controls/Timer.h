#pragma once

#include <functional>

class QTimer;
class QObject;

// What makes the window's timers tick: the clock, as in play, or whoever holds
// the window (a test, the screenshot tool), by calling the tick handlers
// itself. A timer ticked by hand keeps its Enabled switch but never fires on
// its own.
enum class Ticks { FromClock, ByHand };

// A timer of the window: an interval and an Enabled switch. Switching a
// stopped timer on starts its interval from that moment; switching on one
// that already runs changes nothing. Ticks arrive on the window's thread
// between other events, and keep arriving while a message box waits.
class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void create(QObject* owner, int intervalMs, Ticks ticks);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return intervalMs_; }

    std::function<void()> onTick;

private:
    QTimer* timer_ = nullptr;  // none when ticked by hand
    int intervalMs_ = 0;
    bool enabled_ = false;
};
