#pragma once

#include <cstdint>

namespace plenk {

// The program's one uniform source. Re-seeding folds the seed into the state
// the generator already has, so the same seed twice never restarts a sequence
// and a shuffle that re-seeds from a standing clock still moves on.
class Random_Source {
  public:
    Random_Source() = default;
    // Starts from `start` folded into the fixed starting state; 0 keeps that state.
    explicit Random_Source(uint64_t start);

    void reseed(float seed);
    // Uniform single precision, 0 <= r < 1.
    float next();

  private:
    uint64_t next_bits();
    static constexpr uint64_t fixed_start = 0x9E3779B97F4A7C15ull;
    uint64_t state_ = fixed_start;
};

// 64 bits from the system's random source, for a starting state that differs
// at every start even when the clock stands still; 0 when it gives none.
uint64_t system_random_bits();

} // namespace plenk
