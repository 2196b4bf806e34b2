// Plays a given number of random games with every rule checked, and prints
// the longest game and how the random human placed.
#include "tests/support/random_game.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char **argv) {
    const long games = argc > 1 ? std::atol(argv[1]) : 1000000;
    const uint64_t first_seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    plenk::test::Random_Game_Runner runner(true);
    std::array<long, 5> places{};
    int longest = 0;
    uint64_t longest_seed = 0;
    const auto start = std::chrono::steady_clock::now();
    try {
        for (long i = 0; i < games; ++i) {
            const uint64_t seed = first_seed + static_cast<uint64_t>(i);
            plenk::test::Game_Outcome outcome = runner.play(seed);
            ++places[outcome.human_place];
            if (outcome.cards_played > longest) {
                longest = outcome.cards_played;
                longest_seed = seed;
            }
        }
    } catch (const std::exception &e) {
        std::fprintf(stderr, "rule broken: %s\n", e.what());
        return 1;
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%ld games in %.1f s (%.0f games/s)\n", games, seconds, games / seconds);
    std::printf("longest game: %d cards played (seed %llu)\n", longest,
                static_cast<unsigned long long>(longest_seed));
    std::printf("human placed first %ld, second %ld, third %ld, lost %ld\n", places[1], places[2],
                places[3], places[4]);
    return 0;
}
