#include "game/deal.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <deque>
#include <numeric>
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
    for (int c = 1; c < 52; ++c) os.values.insert(os.values.end(), {0.999f, (51 - c + 0.5f) / 52});
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
    std::array<std::array<int, 52>, 52> where{}; // card by slot, about 3000 / 52 = 58 each
    for (int i = 0; i < 3000; ++i) {
        Shuffle_Deck(g, os);
        decks.insert(g.deck);
        for (int k = 0; k < 52; ++k) ++where[g.deck[k]][k];
    }
    EXPECT_EQ(decks.size(), 3000u);
    for (auto& card : where)
        for (int hits : card) ASSERT_TRUE(hits > 20 && hits < 110) << hits;
}

TEST(Deal, StartsEverythingAfreshAndGivesTheHumanTheFirstMove) {
    test::Table_Fixture t;
    // What a finished game leaves behind, the turn on a computer seat.
    t.lay({{"2C", "", "", ""}, "- KH - -", "", "-", 'S', "123", 2, 'D'});
    t.g.game_over = flag_true;
    std::iota(t.g.deck.begin(), t.g.deck.end(), int16_t{0});
    std::reverse(t.g.deck.begin(), t.g.deck.begin() + 21); // the human's cards come unsorted
    Initialize_Game(t.ctx);
    // Five cards each in turn from the top; the human's sorted, the others as dealt.
    EXPECT_EQ(t.hands(), "5C 9C KC 4D 8D|7D 3D QC 8C 4C|6D 2D JC 7C 3C|5D AD TC 6C 2C");
    EXPECT_EQ(t.played(), "- - - -");
    EXPECT_EQ(t.state(), "stock 31 lead C turn 0 open AC");
    EXPECT_EQ(t.events(), "paint");
    // Hand x, y and table spot x, y of each seat, for cards of 71 by 96 and of 73 by 97.
    using Geometry = std::array<int16_t, 4>;
    const Geometry classic[4] = {{375, 500, 375, 371}, {700, 275, 448, 275}, {375, 50, 375, 179}, {50, 275, 304, 275}};
    const Geometry other[4] = {{375, 500, 375, 372}, {700, 275, 450, 275}, {375, 50, 375, 178}, {50, 275, 302, 275}};
    for (const auto* expected : {classic, other}) {
        for (int s = 0; s < 4; ++s) {
            const Seat& seat = t.g.seat[s];
            EXPECT_EQ((Geometry{seat.hand_x, seat.hand_y, seat.table_x, seat.table_y}), expected[s]) << "seat " << s;
        }
        t.g.card_w = 73, t.g.card_h = 97;
        deal_cards(t.g);
    }
}

} // namespace
} // namespace plenk
