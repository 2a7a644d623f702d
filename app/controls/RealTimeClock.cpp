#include "app/controls/RealTimeClock.h"

#include "app/controls/Timer.h"

#include <algorithm>
#include <utility>

RealTimeClock::RealTimeClock(HandClock& clock, std::function<std::int64_t()> realMs)
    : clock_(clock), realMs_(std::move(realMs))
{
    elapsed_.start();
    if (!realMs_) {
        realMs_ = [this] { return elapsed_.elapsed(); };
    }
    realBaseMs_ = realMs_();
    clockBaseMs_ = clock.now();
    wake_.setSingleShot(true);
    // Qt's coarse timers may fire 5 % early or late, and round a short wait.
    wake_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake_, &QTimer::timeout, [this] { catchUp(); });
    clock.onScheduleChanged = [this] { wakeWhenDue(); };
}

std::int64_t RealTimeClock::present() const { return clockBaseMs_ + (realMs_() - realBaseMs_) * speed_; }

void RealTimeClock::catchUp()
{
    // A handler may wait for a question box, in which this clock keeps
    // catching up: the outer call then finds the time already passed.
    clock_.advanceTo(std::max(present(), clock_.now()));
    wakeWhenDue();
}

void RealTimeClock::setSpeed(int factor)
{
    catchUp();
    clockBaseMs_ = clock_.now();
    realBaseMs_ = realMs_();
    speed_ = factor;
    wakeWhenDue();
}

void RealTimeClock::wakeWhenDue()
{
    const std::optional<std::int64_t> due = clock_.nextDue();
    if (!due || speed_ == 0) {
        wake_.stop();
        return;
    }
    const std::int64_t wait = (*due - present() + speed_ - 1) / speed_;
    wake_.start(int(std::clamp<std::int64_t>(wait, 0, INT32_MAX)));
}
