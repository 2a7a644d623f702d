#include "app/Game.h"

#include "common/GameWords.h"

namespace {
constexpr std::int16_t kGameOverPause = 5;  // ticks of a second
}  // namespace

void Game::Timer1_Timer()
{
    Shape& frame = ui.Shape2[trailCount];
    frame.setVisible(!frame.visible());
}

void Game::Timer2_Timer() { StepTimeBonus(); }

void Game::Timer3_Timer() { StepFastClick(); }

// The countdown that opens a level: "3", "2", "1", "START", then play.
void Game::Timer4_Timer()
{
    const QString shown = ui.Label5.caption();
    if (shown == words::kStart) {
        ui.Label27.setVisible(true);
        ui.Picture3.setVisible(false);
        ui.Timer4.setEnabled(false);
        EnableAllCells();
        ui.Timer2.setEnabled(true);
        ui.Timer3.setEnabled(true);
    } else if (shown == QLatin1String("1")) {
        ui.Label5.setCaption(words::kStart);
    } else {
        ui.Label5.setCaption(QString::number(std::int16_t(shown.toShort() - 1)));
    }
}

// Five seconds after a lost game the board goes, and the result line decides
// what follows: the menu, or the name entry for a new hi-score.
void Game::Timer5_Timer()
{
    ++gameOverTicks;
    if (gameOverTicks != kGameOverPause) {
        return;
    }
    HideAllCells();
    if (ui.Label5.caption() == words::kGameOver) {
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

void Game::Timer7_Timer() { StepSquares(); }
