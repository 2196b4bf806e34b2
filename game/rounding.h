#pragma once

#include <cmath>
#include <cstdint>

namespace plenk {

// A position computed with a halving, rounded to the nearest integer with
// halves going to the even neighbour (339.5 -> 340, 322.5 -> 322).
inline int16_t nearest(double v) {
    return static_cast<int16_t>(std::nearbyint(v));
}

// A random choice among k things: floor(r x k), never rounded.
inline int16_t random_index(float r, int k) {
    return static_cast<int16_t>(std::floor(static_cast<double>(r) * k));
}

} // namespace plenk
