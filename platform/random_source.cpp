#include "platform/random_source.h"

#include <bit>
#include <cerrno>
#include <sys/random.h>

namespace plenk {

namespace {

// SplitMix64's finaliser: every input bit reaches every output bit.
uint64_t mix(uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

Random_Source::Random_Source(uint64_t start)
    : state_(start == 0 ? fixed_start : mix(fixed_start ^ start)) {}

uint64_t system_random_bits() {
    uint64_t bits = 0;
    ssize_t got = -1;
    do
        got = ::getrandom(&bits, sizeof bits, 0);
    while (got < 0 && errno == EINTR);
    return got == static_cast<ssize_t>(sizeof bits) ? bits : 0;
}

void Random_Source::reseed(float seed) {
    state_ = mix(state_ ^ (uint64_t{std::bit_cast<uint32_t>(seed)} * 0xD6E8FEB86659FD93ull)) +
             0x9E3779B97F4A7C15ull;
}

uint64_t Random_Source::next_bits() {
    state_ += 0x9E3779B97F4A7C15ull;
    return mix(state_);
}

float Random_Source::next() {
    // 24 bits fill a float's mantissa exactly, so the result is below 1.
    return static_cast<float>(next_bits() >> 40) * 0x1.0p-24f;
}

} // namespace plenk
