#include "game/deal.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>
#include <numeric>

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
    auto slot = [](int k) { return (k + 0.5f) / 52; };
    os.values.push_back(slot(51));
    for (int c = 1; c < 52; ++c) {
        os.values.push_back(0.999f);
        os.values.push_back(slot(51 - c));
    }
    Game_State g{};
    Shuffle_Deck(g, os);
    for (int k = 0; k < 52; ++k) EXPECT_EQ(g.deck[k], 51 - k) << k;
    EXPECT_TRUE(os.values.empty());
    EXPECT_EQ(os.seeds, std::vector<float>(103, 1234.5f));
}

TEST(Shuffle, AFrozenClockStillGivesNewEvenlySpreadPacks) {
    Headless_Platform os;
    os.set_clock(30000.5f);
    Game_State g{};
    std::set<std::array<int16_t, 52>> decks;
    std::array<std::array<int, 52>, 52> where{}; // card by slot
    for (int i = 0; i < 3000; ++i) {
        Shuffle_Deck(g, os);
        decks.insert(g.deck);
        for (int k = 0; k < 52; ++k) ++where[g.deck[k]][k];
    }
    EXPECT_EQ(decks.size(), 3000u);
    // Each card lands in each slot about 3000 / 52 = 58 times.
    for (auto& card : where)
        for (int hits : card) ASSERT_TRUE(hits > 20 && hits < 110) << hits;
}

// A pack whose human cards come unsorted: the first 21 cards in reverse.
std::array<int16_t, 52> pack_for_the_deal() {
    std::array<int16_t, 52> pack;
    std::iota(pack.begin(), pack.end(), int16_t{0});
    std::reverse(pack.begin(), pack.begin() + 21);
    return pack;
}

TEST(Deal, StartsEverythingAfreshAndGivesTheHumanTheFirstMove) {
    test::Table_Fixture t;
    // What a finished game leaves behind, the turn on a computer seat.
    t.lay({{"2C", "", "", ""}, "- KH - -", "", "-", 'S', "123", 2, 'D'});
    t.g.game_over = flag_true;
    t.g.deck = pack_for_the_deal();
    Initialize_Game(t.ctx);
    // Five cards each in turn from the top; the human's sorted, the others as dealt.
    EXPECT_EQ(t.hands(), "5C 9C KC 4D 8D|7D 3D QC 8C 4C|6D 2D JC 7C 3C|5D AD TC 6C 2C");
    EXPECT_EQ(t.played(), "- - - -");
    EXPECT_EQ(t.state(), "stock 31 lead C turn 0 open AC");
    EXPECT_EQ(t.events(), "paint");
    using Geometry = std::array<int16_t, 4>; // hand x, y, table spot x, y
    const Geometry expected[4] = {{375, 500, 375, 371}, {700, 275, 448, 275}, {375, 50, 375, 179}, {50, 275, 304, 275}};
    for (int s = 0; s < 4; ++s) {
        const Seat& seat = t.g.seat[s];
        EXPECT_EQ((Geometry{seat.hand_x, seat.hand_y, seat.table_x, seat.table_y}), expected[s]) << "seat " << s;
    }
}

TEST(Deal, TableSpotsFollowTheCardSize) {
    test::Table_Fixture t;
    t.g.card_w = 73;
    t.g.card_h = 97;
    deal_cards(t.g);
    // 275 + 97 = 372, 375 + 73 + 2 = 450, 275 - 97 = 178, 375 - 73 = 302.
    EXPECT_EQ(t.g.seat[0].table_y, 372);
    EXPECT_EQ(t.g.seat[1].table_x, 450);
    EXPECT_EQ(t.g.seat[2].table_y, 178);
    EXPECT_EQ(t.g.seat[3].table_x, 302);
}

} // namespace
} // namespace plenk
