#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <functional>

class HandClock;

// Moves the game's clock on with real time, to the millisecond: it wakes
// when the next tick falls due, and whenever the player acts, so that a tick
// due before a click is delivered before it. A short pause loses nothing, as
// every rest is kept on the game's clock, not in a timer of the system's.
class RealTimeClock {
public:
    // `realMs` reads the real time in milliseconds; by default the system's
    // monotonic clock, from this moment.
    explicit RealTimeClock(HandClock& clock, std::function<std::int64_t()> realMs = {});

    // Brings the game's clock up to the present, delivering what fell due.
    void catchUp();
    // How many times faster than real time the game's clock runs: a recorded
    // game can be watched at 2x and 4x, and 0 stops it.
    void setSpeed(int factor);

private:
    std::int64_t present() const;
    void wakeWhenDue();

    HandClock& clock_;
    QElapsedTimer elapsed_;
    std::function<std::int64_t()> realMs_;
    QTimer wake_;
    // The game's time and the real time at the last change of speed.
    std::int64_t clockBaseMs_ = 0;
    std::int64_t realBaseMs_ = 0;
    int speed_ = 1;
};
