#include "game/cards.h"
#include "game/deal.h"
#include "game/hand.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace plenk {
namespace {

bool is_permutation_of_pack(const std::array<int16_t, 52>& deck) {
    std::array<int16_t, 52> sorted = deck;
    std::sort(sorted.begin(), sorted.end());
    for (int16_t i = 0; i < 52; ++i)
        if (sorted[i] != i) return false;
    return true;
}

TEST(Shuffle, ThousandsOfShufflesArePermutations) {
    Headless_Platform os;
    Game_State g{};
    std::set<std::array<int16_t, 52>> decks;
    std::array<std::array<int, 52>, 52> where{}; // card by slot
    for (int i = 0; i < 5000; ++i) {
        os.set_clock(static_cast<float>(i) * 0.01f);
        Shuffle_Deck(g, os);
        ASSERT_TRUE(is_permutation_of_pack(g.deck)) << "shuffle " << i;
        decks.insert(g.deck);
        for (int k = 0; k < 52; ++k) ++where[g.deck[k]][k];
    }
    EXPECT_EQ(decks.size(), 5000u);
    // Each card lands in each slot about 5000 / 52 = 96 times.
    for (auto& card : where)
        for (int hits : card) {
            EXPECT_GT(hits, 40);
            EXPECT_LT(hits, 170);
        }
}

TEST(Shuffle, AFrozenClockNeitherStallsNorRepeats) {
    Headless_Platform os;
    os.set_clock(30000.5f);
    Game_State g{};
    std::set<std::array<int16_t, 52>> decks;
    for (int i = 0; i < 2000; ++i) {
        Shuffle_Deck(g, os);
        ASSERT_TRUE(is_permutation_of_pack(g.deck));
        decks.insert(g.deck);
    }
    EXPECT_EQ(decks.size(), 2000u);
}

struct Deal : ::testing::Test, test::Table_Fixture {};

TEST_F(Deal, FiveCardsEachInDealingOrder) {
    std::vector<int16_t> pack = test::pack_starting_with({51, 50, 49, 48, 47, 46, 45, 44, 43, 42, 41, 40,
                                                          39, 38, 37, 36, 35, 34, 33, 32, 7});
    deal_from(pack);
    for (int16_t s = 0; s < 4; ++s) {
        EXPECT_EQ(Card_Empty_Slot(g, s), 5);
        for (int j = 5; j < 52; ++j) EXPECT_EQ(g.seat[s].card[j], no_card);
        EXPECT_EQ(g.seat[s].table_card, no_card);
        EXPECT_EQ(g.seat[s].finished, flag_false);
    }
    // Seat 1 keeps the order dealt; seat 0 is sorted.
    EXPECT_EQ(hand(1), (std::vector<int16_t>{pack[1], pack[5], pack[9], pack[13], pack[17]}));
    EXPECT_EQ(hand(0), (std::vector<int16_t>{35, 39, 43, 47, 51}));
    EXPECT_EQ(g.open_card, 7);
    EXPECT_EQ(g.deck_pos, 21);
    EXPECT_EQ(g.lead_suit, Get_Suit(7));
    EXPECT_EQ(g.weak_suit, -1);
    EXPECT_EQ(g.finish_count, 0);
    EXPECT_EQ(g.game_over, flag_false);
}

TEST_F(Deal, TableGeometryForClassicCards) {
    deal_from(test::pack_starting_with({}));
    struct Spot {
        int16_t hx, hy, tx, ty;
    };
    const Spot want[4] = {{375, 500, 375, 371}, {700, 275, 448, 275}, {375, 50, 375, 179}, {50, 275, 304, 275}};
    for (int s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(g.seat[s].hand_x, want[s].hx);
        EXPECT_EQ(g.seat[s].hand_y, want[s].hy);
        EXPECT_EQ(g.seat[s].table_x, want[s].tx);
        EXPECT_EQ(g.seat[s].table_y, want[s].ty);
    }
}

TEST_F(Deal, GeometryFollowsTheCardSize) {
    g.card_w = 80;
    g.card_h = 110;
    deal_from(test::pack_starting_with({}));
    EXPECT_EQ(g.seat[0].table_y, 385);
    EXPECT_EQ(g.seat[1].table_x, 457);
    EXPECT_EQ(g.seat[3].table_x, 295);
}

TEST_F(Deal, ADealStartsEverythingAfresh) {
    deal_from(test::pack_starting_with({}));
    g.seat[2].finished = flag_true;
    g.seat[2].table_card = 9;
    g.finish_count = 2;
    g.weak_suit = 3;
    g.game_over = flag_true;
    g.player_rec.rank_count = {1, 2, 3, 4, 5};
    deal_from(test::pack_starting_with({}));
    EXPECT_EQ(g.seat[2].finished, flag_false);
    EXPECT_EQ(g.seat[2].table_card, no_card);
    EXPECT_EQ(g.finish_count, 0);
    EXPECT_EQ(g.weak_suit, -1);
    EXPECT_EQ(g.game_over, flag_false);
    EXPECT_EQ(g.player_rec.rank_count, (std::array<int16_t, 5>{1, 2, 3, 4, 5}));
}

TEST_F(Deal, HandOverShowsTheTableAndGivesTheHumanTheFirstMove) {
    // The human holds clubs 0..4 after the deal below and the open card is a club.
    deal_from(test::pack_starting_with({0, 13, 26, 39, 1, 14, 27, 40, 2, 15, 28, 41, 3, 16, 29, 42,
                                        4, 17, 30, 43, 5}));
    Initialize_Game(ctx);
    EXPECT_EQ(g.turn_seat, 0);
    EXPECT_EQ(g.deck_pos, 21);
    EXPECT_EQ(os.calls_of(Platform_Call::Kind::Refresh).size(), 1u);
    EXPECT_EQ(os.calls_of(Platform_Call::Kind::Pump).size(), 0u);
}

} // namespace
} // namespace plenk
