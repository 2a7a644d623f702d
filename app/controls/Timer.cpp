#include "app/controls/Timer.h"

#include <QTimer>
#include <algorithm>

void Timer::create(QObject* owner, int intervalMs, HandClock* handClock)
{
    intervalMs_ = intervalMs;
    if (handClock) {
        handClock_ = handClock;
        handClock->timers_.push_back(this);
        return;
    }
    timer_ = new QTimer(owner);
    timer_->setInterval(intervalMs);
    QObject::connect(timer_, &QTimer::timeout, [this] { tick(); });
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
        stop();
    }
}

void Timer::pause()
{
    if (paused_) {
        return;
    }
    if (enabled_) {
        pausedRemainingMs_ = remainingMs();
        stop();
    }
    paused_ = true;
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
    if (timer_) {
        return std::max(timer_->remainingTime(), 0);
    }
    return handClock_ ? int(dueAtMs_ - handClock_->now()) : intervalMs_;
}

void Timer::start(int firstTickMs)
{
    if (timer_) {
        // The first tick after a resume comes early; tick() puts the
        // interval back.
        timer_->start(firstTickMs);
    } else if (handClock_) {
        dueAtMs_ = handClock_->now() + firstTickMs;
    }
}

void Timer::stop()
{
    if (timer_) {
        timer_->stop();
    }
}

void Timer::tick()
{
    if (timer_ && timer_->interval() != intervalMs_) {
        timer_->setInterval(intervalMs_);  // restarts it from this tick
    }
    if (onTick) {
        onTick();
    }
}

void HandClock::advance(std::int64_t ms)
{
    const std::int64_t until = nowMs_ + ms;
    for (;;) {
        // A tick may switch timers on and off, so the next one due is sought
        // afresh after each.
        Timer* next = nullptr;
        for (Timer* timer : timers_) {
            if (timer->running() && timer->dueAtMs_ <= until && (!next || timer->dueAtMs_ < next->dueAtMs_)) {
                next = timer;
            }
        }
        if (!next) {
            break;
        }
        nowMs_ = next->dueAtMs_;
        next->dueAtMs_ += std::max(next->intervalMs_, 1);
        next->tick();
    }
    nowMs_ = until;
}
