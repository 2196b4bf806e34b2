#include "game/deal.h"
#include "tests/support/headless_platform.h"

#include <gtest/gtest.h>

#include <set>

namespace plenk {
namespace {

TEST(Shuffle, AFrozenClockStillGivesNewEvenlySpreadPacks) {
    Headless_Platform os;
    os.set_clock(30000.5f);
    Game_State g{};
    std::set<std::array<int16_t, 52>> decks;
    std::array<std::array<int, 52>, 52> where{}; // card by slot, about 3000 / 52 = 58 each
    for (int i = 0; i < 3000; ++i) {
        Shuffle_Deck(g, os);
        decks.insert(g.deck);
        for (int k = 0; k < 52; ++k)
            ++where[g.deck[k]][k];
    }
    EXPECT_EQ(decks.size(), 3000u);
    for (auto &card : where)
        for (int hits : card)
            ASSERT_TRUE(hits > 20 && hits < 110) << hits;
}

} // namespace
} // namespace plenk
