// Every cell of the board at once. Each walk runs the game's one loop
// counter, so cellIndex is left at kCells afterwards, as every loop over the
// cells leaves it.
#include "app/Game.h"

void Game::HideAllCells()
{
    for (cellIndex = 0; cellIndex <= board::kCells - 1; ++cellIndex) {
        ui.Picture1[cellIndex].setVisible(false);
    }
}

void Game::ShowAllCells()
{
    for (cellIndex = 0; cellIndex <= board::kCells - 1; ++cellIndex) {
        ui.Picture1[cellIndex].setVisible(true);
    }
}

void Game::EnableAllCells()
{
    for (cellIndex = 0; cellIndex <= board::kCells - 1; ++cellIndex) {
        ui.Picture1[cellIndex].setEnabled(true);
    }
}

void Game::DisableAllCells()
{
    for (cellIndex = 0; cellIndex <= board::kCells - 1; ++cellIndex) {
        ui.Picture1[cellIndex].setEnabled(false);
    }
}
