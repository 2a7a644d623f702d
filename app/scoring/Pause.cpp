// A level paused while the player steps away: every timer stands still with
// what was left of its interval, and a cover hides the board and the counters
// so the pause gains no thinking time. Resumed, the level goes on as if the
// pause had not been.
#include "app/Game.h"

void Game::PauseLevel()
{
    pausedFrom = screen(ui);
    for (Timer* timer : ui.timers()) {
        timer->pause();
    }
    ui.PauseCover.setVisible(true);
}

void Game::ResumeLevel()
{
    ui.PauseCover.setVisible(false);
    for (Timer* timer : ui.timers()) {
        timer->resume();
    }
}
