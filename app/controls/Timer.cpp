#include "app/controls/Timer.h"

#include <QTimer>

void Timer::create(QObject* owner, int intervalMs, Ticks ticks)
{
    intervalMs_ = intervalMs;
    if (ticks == Ticks::ByHand) {
        return;
    }
    timer_ = new QTimer(owner);
    timer_->setInterval(intervalMs);
    QObject::connect(timer_, &QTimer::timeout, [this] {
        if (onTick) {
            onTick();
        }
    });
}

void Timer::setEnabled(bool enabled)
{
    if (enabled == enabled_) {
        return;
    }
    enabled_ = enabled;
    if (!timer_) {
        return;
    }
    if (enabled) {
        timer_->start();
    } else {
        timer_->stop();
    }
}
