#include "game/deal.h"
#include "platform/headless_platform.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>

namespace plenk {
namespace {

// Random values from a script, and every re-seed noted.
struct Scripted_Platform : Headless_Platform {
    std::deque<float> values;
    std::vector<float> seeds;
    float random_value() override {
        const float r = values.at(0);
        values.pop_front();
        return r;
    }
    void reseed(float seed) override { seeds.push_back(seed); }
};

TEST(Shuffle, EachCardGoesToTheSlotDrawnUntilAFreeOneComesAndEveryDrawIsReseeded) {
    Scripted_Platform os;
    os.set_clock(1234.5f);
    // Card 0 draws the last slot; every later card first draws that taken
    // slot again, then slot 51 - card.
    os.values.push_back(51.5f / 52);
    for (int c = 1; c < 52; ++c)
        os.values.insert(os.values.end(), {0.999f, (51 - c + 0.5f) / 52});
    Game_State g{};
    Shuffle_Deck(g, os);
    for (int k = 0; k < 52; ++k)
        EXPECT_EQ(g.deck[k], 51 - k) << k;
    EXPECT_TRUE(os.values.empty());
    EXPECT_EQ(os.seeds, std::vector<float>(103, 1234.5f));
}

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
