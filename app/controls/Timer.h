#pragma once

#include <functional>

class QTimer;
class QObject;

// A timer of the window: an interval and an Enabled switch. Switching a
// stopped timer on starts its interval from that moment; switching on one
// that already runs changes nothing. Ticks arrive on the window's thread
// between other events, and keep arriving while a message box waits.
class Timer {
public:
    Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void create(QObject* owner, int intervalMs);

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    int interval() const { return intervalMs_; }

    std::function<void()> onTick;

    // Tests drive the ticks by calling the handlers themselves; in that mode
    // timers keep their Enabled state but never fire on their own.
    static void setDrivenByHand(bool byHand);

private:
    QTimer* timer_ = nullptr;
    int intervalMs_ = 0;
    bool enabled_ = false;
};
