// NEXT LEVEL: the score carried over and the next board dealt.
#include "app/Game.h"
#include "scoring/Counters.h"

void Game::Command2_Click()
{
    prevLevelsScore = counters::carriedScore(ui.Label17.caption().toDouble(), levelNumber);
    ++levelNumber;
    BuildLevel();
    ui.Command2.setVisible(false);
}
