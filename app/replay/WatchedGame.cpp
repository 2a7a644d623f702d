#include "app/replay/WatchedGame.h"

#include "app/Form1.h"

#include <QTimer>
#include <utility>

namespace {

constexpr int kFastest = 4;

}  // namespace

WatchedGame::WatchedGame(Form1& form, replay::Recording recording, std::function<void()> left)
    : form_(form), playback_(form, std::move(recording)), left_(std::move(left))
{
}

WatchedGame::~WatchedGame()
{
    form_.game().onWatchedGameOver = nullptr;
    if (RealTimeClock* realTime = form_.realTimeClock()) {
        realTime->setSpeed(1);
    }
}

bool WatchedGame::start()
{
    // The game's own end leaves the result showing through the pause after
    // it; a recording that stops fitting the game ends the watching at once.
    form_.game().onWatchedGameOver = [this] { leave(); };
    playback_.onOver = [this] {
        if (!playback_.endedWithTheRecording()) {
            leave();
        }
    };
    return playback_.start();
}

bool WatchedGame::keyPressed(Qt::Key key)
{
    RealTimeClock* realTime = form_.realTimeClock();
    switch (key) {
    case Qt::Key_Escape:
        leave();
        return true;
    case Qt::Key_Space:
        paused_ = !paused_;
        break;
    case Qt::Key_Right:
        speed_ = speed_ == kFastest ? 1 : speed_ * 2;
        break;
    default:
        return false;
    }
    if (realTime) {
        realTime->setSpeed(paused_ ? 0 : speed_);
    }
    return true;
}

void WatchedGame::leave()
{
    // Told after the handler that asked is done: it may be one of the game's
    // own, which must not find its window's watching gone under it.
    QTimer::singleShot(0, [left = left_] { left(); });
    form_.game().onWatchedGameOver = nullptr;
    playback_.onOver = nullptr;
}
