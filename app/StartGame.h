#pragma once

#include <QString>
#include <optional>

class Form1;
class Game;
class MessageBoxes;

// Runs the window's start-up. A database file or a picture that cannot be
// used ends the program before the window is shown; the reason comes back
// here, naming the file and what is wrong with it.
// `load` is the start-up to run: the game's, or a watching run's.
std::optional<QString> loadForm(Game& game, void (Game::*load)() = nullptr);

// Tells the player, in a box titled QUORBIT, and standard error, why the game
// cannot start.
void reportStartupFailure(MessageBoxes& boxes, const QString& message);

// Start-up, then the window on screen; false (and the reason told) when the
// game cannot start.
bool startGame(Form1& form, MessageBoxes& boxes);
