// Every cell of the board at once. Each walk runs the game's one loop
// counter, so cellIndex is left at kCells afterwards, as every loop over the
// cells leaves it.
#include "app/Game.h"

namespace {

// Sets one switch of every cell picture, in cell order.
void setEveryCell(Game& game, void (Control::*set)(bool), bool on)
{
    for (game.cellIndex = 0; game.cellIndex <= board::kCells - 1; ++game.cellIndex) {
        (game.ui.Picture1[game.cellIndex].*set)(on);
    }
}

}  // namespace

void Game::HideAllCells() { setEveryCell(*this, &Control::setVisible, false); }

void Game::ShowAllCells() { setEveryCell(*this, &Control::setVisible, true); }

void Game::EnableAllCells() { setEveryCell(*this, &Control::setEnabled, true); }

void Game::DisableAllCells() { setEveryCell(*this, &Control::setEnabled, false); }
