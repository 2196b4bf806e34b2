#include "game/deal.h"
#include "tests/support/headless_platform.h"

#include <gtest/gtest.h>

#include <array>

namespace plenk {
namespace {

// Every card in every slot about equally often, which the same pack dealt
// again and again, or a short cycle of packs, would not give.
TEST(Shuffle, AFrozenClockStillGivesEvenlySpreadPacks) {
    Headless_Platform os;
    os.set_clock(30000.5f);
    Game_State g{};
    std::array<std::array<int, 52>, 52> where{}; // card by slot, about 3000 / 52 = 58 each
    for (int i = 0; i < 3000; ++i) {
        Shuffle_Deck(g, os);
        for (int k = 0; k < 52; ++k)
            ++where[g.deck[k]][k];
    }
    for (auto &card : where)
        for (int hits : card)
            ASSERT_TRUE(hits > 20 && hits < 110) << hits;
}

} // namespace
} // namespace plenk
