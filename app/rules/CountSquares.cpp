#include "app/Game.h"
#include "rules/SquarePoints.h"

void Game::CountSquares() { squaresScore = squarePoints(cellCodes); }
