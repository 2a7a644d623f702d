#pragma once

#include "app/Game.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedRandom.h"

// The game on controls that no window holds: no start-up, no pictures and no
// database file. Enough for the procedures that read the record and move,
// show and re-caption controls. Its timers switch on and off but never tick,
// and it draws no random numbers.
struct BareGame {
    BareGame()
    {
        for (Timer* timer : ui.timers()) {
            timer->create(nullptr, 0, Ticks::ByHand);  // never started, so no interval matters
        }
    }

    Form1Controls ui;
    ScriptedRandom random{QList<float>{}};
    ScriptedMessageBoxes boxes;
    Game game{ui, GameFiles{}, random, boxes};
};
