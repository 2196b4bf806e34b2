#include "tests/support/random_game.h"

#include <gtest/gtest.h>

#include <array>

namespace plenk {
namespace {

// Whole games from random seeds with every rule checked after each card
// played, drawn or taken; a broken rule throws with its seed.
TEST(Soak, TwentyThousandRandomGamesKeepEveryRule) {
    test::Random_Game_Runner runner(true);
    std::array<int, 5> places{};
    int longest = 0;
    for (uint64_t seed = 1; seed <= 20000; ++seed) {
        test::Game_Outcome outcome = runner.play(seed);
        ++places[outcome.human_place];
        longest = std::max(longest, outcome.cards_played);
    }
    // A random human still comes in every place now and then.
    for (int place = 1; place <= 4; ++place) EXPECT_GT(places[place], 100) << "place " << place;
    EXPECT_GE(longest, 16);
}

} // namespace
} // namespace plenk
