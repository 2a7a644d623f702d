#pragma once

#include "app/replay/Playback.h"

#include <Qt>
#include <functional>

class Form1;

// A recorded game watched in the window at its own pace. Space pauses and
// resumes it, Right doubles the speed (1x, 2x, 4x, then 1x again), Escape
// leaves it; so does its end, once its result has shown as long as the game
// showed it. Nothing the player clicks reaches the game meanwhile.
class WatchedGame {
public:
    WatchedGame(Form1& form, replay::Recording recording, std::function<void()> left);
    ~WatchedGame();
    WatchedGame(const WatchedGame&) = delete;
    WatchedGame& operator=(const WatchedGame&) = delete;

    // False when the window cannot deal the recorded boards.
    bool start();
    // Takes the watching keys; true for a key it used.
    bool keyPressed(Qt::Key key);

private:
    void leave();

    Form1& form_;
    Playback playback_;
    std::function<void()> left_;
    int speed_ = 1;
    bool paused_ = false;
};
