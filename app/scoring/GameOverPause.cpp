#include "app/Game.h"
#include "common/GameWords.h"
#include "scoring/Rulebook.h"

// Five seconds after a lost game the board goes, and the result line decides
// what follows: the menu, or the name entry for a new hi-score.
void Game::Timer5_Timer()
{
    ++gameOverTicks;
    if (gameOverTicks != rulebook::kGameOverPauseTicks) {
        return;
    }
    HideAllCells();
    if (watching) {
        ui.Picture3.setVisible(false);
        ui.Timer5.setEnabled(false);
        if (onWatchedGameOver) {
            onWatchedGameOver();
        }
    } else if (ui.Label5.caption() == words::kGameOver) {
        ui.Picture3.setVisible(false);
        ui.Picture4.setVisible(true);
        ui.Timer5.setEnabled(false);
    } else if (ui.Label5.caption() == words::kNewHiScore) {
        ui.Label32.setCaption(QString());
        ui.Label33.setCaption(QString());
        ui.Label34.setCaption(QString());
        ui.Picture3.setVisible(false);
        ui.Text1.setText(QString());
        ui.Picture6.setVisible(true);
        ui.Picture5.setVisible(true);
        ui.Timer5.setEnabled(false);
        ui.Text1.setFocus();
    }
}
