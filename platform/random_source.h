#pragma once

#include <cstdint>

namespace plenk {

// The program's one uniform source. Re-seeding folds the seed into the state
// the generator already has, so the same seed twice never restarts a sequence
// and a shuffle that re-seeds from a standing clock still moves on.
class Random_Source {
  public:
    void reseed(float seed);
    // Uniform single precision, 0 <= r < 1.
    float next();

  private:
    uint64_t next_bits();
    uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

} // namespace plenk
