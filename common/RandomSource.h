#pragma once

#include <cstdint>
#include <optional>

// The one source of chance in the game. Start-up and level dealing draw from it
// in program order; every draw r is a 32-bit float with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float Rnd() = 0;

    // Where the source stands in its sequence, so that a recorded game can be
    // dealt again from there; none for a source that cannot say.
    virtual std::optional<std::uint64_t> position() const { return std::nullopt; }
    // Goes to a place position() gave; false where the source cannot.
    virtual bool moveTo(std::uint64_t) { return false; }
};
