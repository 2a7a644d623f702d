// The ticks that keep the counters moving: the time bonus, the fast-click
// bonus, and the squares with the total.
#include "app/Game.h"

void Game::Timer2_Timer() { StepTimeBonus(); }

void Game::Timer3_Timer() { StepFastClick(); }

void Game::Timer7_Timer() { StepSquares(); }

void Game::StopBonusClocks()
{
    ui.Timer2.setEnabled(false);
    ui.Timer3.setEnabled(false);
}

void Game::StartBonusClocks()
{
    ui.Timer2.setEnabled(true);
    ui.Timer3.setEnabled(true);
}
