#pragma once

// The one source of chance in the game. Start-up and level dealing draw from it
// in program order; every draw r is a 32-bit float with 0 <= r < 1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float Rnd() = 0;
};
