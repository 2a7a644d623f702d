#include "app/controls/Timer.h"

#include <QTimer>

namespace {
bool drivenByHand = false;
}

void Timer::setDrivenByHand(bool byHand) { drivenByHand = byHand; }

void Timer::create(QObject* owner, int intervalMs)
{
    intervalMs_ = intervalMs;
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
    if (!enabled) {
        timer_->stop();
    } else if (!drivenByHand) {
        timer_->start();
    }
}
