#include "tests/support/random_game.h"

#include <gtest/gtest.h>

#include <array>

namespace plenk {
namespace {

// Whole games from random seeds with every rule checked after each card
// played, drawn or taken; a broken rule throws with its seed.
TEST(Soak, FiveThousandRandomGamesKeepEveryRule) {
    test::Random_Game_Runner runner(true);
    std::array<int, 5> places{};
    for (uint64_t seed = 1; seed <= 5000; ++seed)
        ++places[runner.play(seed).human_place];
    // A random human still comes in every place now and then.
    for (int place = 1; place <= 4; ++place)
        EXPECT_GT(places[place], 500) << "place " << place;
    // A seed named in a report replays the same game, whatever was played before.
    for (uint64_t seed : {1u, 649723u}) {
        const test::Game_Outcome again = test::Random_Game_Runner(true).play(seed);
        const test::Game_Outcome first = runner.play(seed);
        EXPECT_EQ(std::pair(again.cards_played, again.human_place),
                  std::pair(first.cards_played, first.human_place))
            << seed;
    }
}

} // namespace
} // namespace plenk
