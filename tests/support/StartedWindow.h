#pragma once

#include "app/Form1.h"
#include "app/StartGame.h"
#include "storage/FixedSequenceRandom.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedMessageBoxes.h"

#include <QTest>
#include <memory>

// The real window, started up in a throw-away program folder with the
// program's own random source; its timers tick only when a test says so.
struct StartedWindow {
    explicit StartedWindow(std::unique_ptr<RandomSource> source = std::make_unique<FixedSequenceRandom>())
        : random(std::move(source))
    {
        form = std::make_unique<Form1>(GameFiles::besideProgram(folder.path()), *random, boxes, nullptr, Ticks::ByHand);
        failure = loadForm(form->game());
    }

    Form1Controls& ui() { return form->controls(); }
    Game& game() { return form->game(); }

    ProgramFolder folder;
    std::unique_ptr<RandomSource> random;
    ScriptedMessageBoxes boxes;
    std::unique_ptr<Form1> form;
    std::optional<QString> failure;
};
