// The blinking frame of the cell the pending move leads to.
#include "app/Game.h"

void Game::Timer1_Timer()
{
    Shape& frame = ui.Shape2[trailCount];
    frame.setVisible(!frame.visible());
}
