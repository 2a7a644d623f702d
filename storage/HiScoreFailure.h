#pragma once

#include "app/MessageBoxes.h"
#include "storage/DatabaseError.h"

#include <QString>

// Tells the player that the hi-score list failed them, what was being done
// (`whatFailed`) and why; the game goes on either way.
void reportHiScoreFailure(MessageBoxes& boxes, const QString& whatFailed, const DatabaseError& error);
// The same, asking whether to try again: true when the player chooses to.
bool askToTryAgain(MessageBoxes& boxes, const QString& whatFailed, const DatabaseError& error);
