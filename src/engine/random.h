#pragma once
// The program's one random generator. Every deal is reproducible from the
// state it started from.

#include <cstdint>

namespace quillo {

constexpr uint32_t RandMultiplier = 134775813u;  // 0x08088405

// Advances the state and returns 0..n-1 (n >= 1).
inline uint32_t Random(uint32_t& seed, uint32_t n)
{
    seed = seed * RandMultiplier + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(seed) * n) >> 32);
}

// Start-up seed from the UTC time of day.
inline uint32_t SeedFromTimeOfDay(int hour, int minute, int second, int millisecond)
{
    return static_cast<uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

}  // namespace quillo
