#include "app/Game.h"
#include "common/RandomSource.h"

// The menu's items and the closers of the panels that open over it. A panel
// opens over the menu and closes back onto it; the menu itself stays put.

void Game::Label22_Click()
{
    // Where chance stands now decides every board of the game.
    if (!watching) {
        recorder.started(random.position());
    }
    ui.Form1.setEnabled(false);  // no clicks while the level is dealt
    prevLevelsScore = 0;
    levelNumber = 1;
    doorScore = 0;
    BuildLevel();
    ui.Picture4.setVisible(false);
    ui.Form1.setEnabled(true);
}

void Game::Label23_Click()
{
    // Filled first, so the panel opens on the current list.
    ShowHiScores();
    ui.Picture5.setVisible(true);
}

void Game::Label24_Click() { ui.Picture8.setVisible(true); }

void Game::Label25_Click() { ui.Picture7.setVisible(true); }

void Game::Label35_Click() { ui.Picture5.setVisible(false); }

void Game::Label38_Click() { ui.Picture7.setVisible(false); }

void Game::Label45_Click() { ui.Picture8.setVisible(false); }
