#pragma once

#include "common/RandomSource.h"

#include <QList>
#include <stdexcept>
#include <string>

// Hands out the given draws in order, so a test can say exactly what chance
// deals. Using more draws than scripted means the code under test draws more
// often than the test expects.
class ScriptedRandom final : public RandomSource {
public:
    explicit ScriptedRandom(QList<float> draws) : draws_(std::move(draws))
    {
        for (float draw : draws_) {
            if (!(draw >= 0.0f && draw < 1.0f)) {
                throw std::logic_error("ScriptedRandom: a draw must lie in [0, 1)");
            }
        }
    }

    float Rnd() override
    {
        if (next_ >= draws_.size()) {
            throw std::logic_error("ScriptedRandom: all " + std::to_string(draws_.size()) +
                                   " scripted draws are used up");
        }
        return draws_.at(next_++);
    }

    qsizetype remaining() const { return draws_.size() - next_; }

private:
    QList<float> draws_;
    qsizetype next_ = 0;
};
