#pragma once

#include "common/RandomSource.h"

#include <cstdint>

// The game's own generator: PCG32 (XSH-RR) started from one fixed state and
// never reseeded, so every run walks the same sequence and the counter kept in
// qb.mdb says where this run begins. Changing the constants would give every
// saved counter a new meaning.
class FixedSequenceRandom final : public RandomSource {
public:
    FixedSequenceRandom();

    // The top 24 bits of the next output scaled by 2^-24: exact as a float and
    // always below 1.
    float Rnd() override;
    // The generator's state: with the fixed increment, all there is to it.
    std::optional<std::uint64_t> position() const override { return state_; }
    bool moveTo(std::uint64_t state) override
    {
        state_ = state;
        return true;
    }

    // The raw 32-bit output, the value published reference tables list for this
    // generator.
    std::uint32_t nextUInt32();

private:
    std::uint64_t state_ = 0;
    std::uint64_t increment_ = 0;
};
