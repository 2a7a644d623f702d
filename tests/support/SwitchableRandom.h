#pragma once

#include "storage/FixedSequenceRandom.h"
#include "support/ScriptedRandom.h"

#include <memory>

// The program's own source until a test hands it a script: start-up draws
// as usual, and the level that follows draws exactly what the test wrote.
class SwitchableRandom : public RandomSource {
public:
    void script(const QList<float>& draws) { scripted_ = std::make_unique<ScriptedRandom>(draws); }
    qsizetype remaining() const { return scripted_ ? scripted_->remaining() : 0; }

    float Rnd() override { return scripted_ ? scripted_->Rnd() : own_.Rnd(); }

private:
    FixedSequenceRandom own_;
    std::unique_ptr<ScriptedRandom> scripted_;
};
