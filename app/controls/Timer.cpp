#include "app/controls/Timer.h"

#include <algorithm>
#include <utility>

void Timer::create(int intervalMs, HandClock& clock)
{
    intervalMs_ = intervalMs;
    clock_ = &clock;
    clock.timers_.push_back(this);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (paused_) {
        pausedRemainingMs_ = intervalMs_;
    } else if (enabled) {
        start(intervalMs_);
    } else {
        clock_->scheduleChanged();
    }
}

void Timer::pause()
{
    if (paused_) {
        return;
    }
    if (enabled_) {
        pausedRemainingMs_ = remainingMs();
    }
    paused_ = true;
    clock_->scheduleChanged();
}

void Timer::resume()
{
    if (!paused_) {
        return;
    }
    paused_ = false;
    if (enabled_) {
        start(pausedRemainingMs_);
    }
}

int Timer::remainingMs() const
{
    if (paused_) {
        return pausedRemainingMs_;
    }
    return clock_ ? int(dueAtMs_ - clock_->now()) : intervalMs_;
}

void Timer::start(int firstTickMs)
{
    dueAtMs_ = clock_->now() + firstTickMs;
    clock_->scheduleChanged();
}

Timer* HandClock::nextTimerDue(std::int64_t until) const
{
    Timer* next = nullptr;
    for (Timer* timer : timers_) {
        if (timer->running() && timer->dueAtMs_ <= until && (!next || timer->dueAtMs_ < next->dueAtMs_)) {
            next = timer;
        }
    }
    return next;
}

void HandClock::advance(std::int64_t ms)
{
    const std::int64_t until = nowMs_ + ms;
    for (;;) {
        // A tick may switch timers on and off, or set the alarm, so what
        // falls due next is sought afresh after each.
        Timer* next = nextTimerDue(until);
        if (ring_ && alarmAtMs_ <= until && (!next || alarmAtMs_ < next->dueAtMs_)) {
            nowMs_ = std::max(nowMs_, alarmAtMs_);
            std::exchange(ring_, nullptr)();
            continue;
        }
        if (!next) {
            break;
        }
        nowMs_ = next->dueAtMs_;
        next->dueAtMs_ += std::max(next->intervalMs_, 1);
        if (next->onTick) {
            next->onTick();
        }
    }
    nowMs_ = std::max(nowMs_, until);
}

std::optional<std::int64_t> HandClock::nextDue() const
{
    std::optional<std::int64_t> due;
    if (Timer* timer = nextTimerDue(INT64_MAX)) {
        due = timer->dueAtMs_;
    }
    if (ring_ && (!due || alarmAtMs_ < *due)) {
        due = alarmAtMs_;
    }
    return due;
}

void HandClock::setAlarm(std::int64_t atMs, std::function<void()> ring)
{
    alarmAtMs_ = atMs;
    ring_ = std::move(ring);
    scheduleChanged();
}

void HandClock::scheduleChanged() const
{
    if (onScheduleChanged) {
        onScheduleChanged();
    }
}
