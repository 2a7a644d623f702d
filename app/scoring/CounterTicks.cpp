// The ticks that keep the counters moving: the time bonus, the fast-click
// bonus, and the squares with the total.
#include "app/Game.h"

void Game::Timer2_Timer() { StepTimeBonus(); }

void Game::Timer3_Timer() { StepFastClick(); }

void Game::Timer7_Timer() { StepSquares(); }
