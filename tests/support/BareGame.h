#pragma once

#include "app/Game.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/ScriptedRandom.h"

// The game on controls that no window holds: no start-up and no database
// file, and pictures only from `files` where given. Enough for the procedures
// that read the record and move, show, re-caption and re-picture controls.
// Its timers switch on and off but never tick, and it draws no random
// numbers.
struct BareGame {
    explicit BareGame(GameFiles files = {}) : game{ui, std::move(files), random, boxes}
    {
        for (Timer* timer : ui.timers()) {
            timer->create(0, clock);  // the clock never moves, so no interval matters
        }
    }

    HandClock clock;
    Form1Controls ui;
    ScriptedRandom random{QList<float>{}};
    ScriptedMessageBoxes boxes;
    Game game;
};
