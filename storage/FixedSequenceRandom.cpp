#include "storage/FixedSequenceRandom.h"

namespace {

constexpr std::uint64_t kMultiplier = 6364136223846793005ULL;
// The reference seeding of PCG32 (initial state 42, stream 54), so the outputs
// can be checked against the generator's published first values.
constexpr std::uint64_t kInitialState = 42;
constexpr std::uint64_t kStream = 54;

}  // namespace

FixedSequenceRandom::FixedSequenceRandom() : increment_((kStream << 1u) | 1u)
{
    nextUInt32();
    state_ += kInitialState;
    nextUInt32();
}

std::uint32_t FixedSequenceRandom::nextUInt32()
{
    const std::uint64_t old = state_;
    state_ = old * kMultiplier + increment_;
    const auto xorShifted = std::uint32_t(((old >> 18u) ^ old) >> 27u);
    const auto rotation = std::uint32_t(old >> 59u);
    return (xorShifted >> rotation) | (xorShifted << ((32u - rotation) & 31u));
}

float FixedSequenceRandom::Rnd() { return float(nextUInt32() >> 8) * 0x1p-24f; }
