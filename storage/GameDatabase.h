#pragma once

#include <QString>

class Connection;

// Opens qb.mdb for the game, making a fresh one when there is none, and makes sure both tables
// are there with their columns. A file that is refused is closed again untouched.
void openGameDatabase(Connection& cn, const QString& file);
