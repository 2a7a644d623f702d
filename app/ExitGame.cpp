// The menu's EXIT: the database file is closed before the window goes.
#include "app/Game.h"

void Game::Label26_Click()
{
    cn.close();
    ui.Form1.unload();
}
