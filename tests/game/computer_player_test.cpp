#include "game/computer_player.h"
#include "game/hand.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace plenk {
namespace {

// Seat 1 moves from a dealt table whose hands the test replaces.
struct Seat_One_Table : test::Table_Fixture {
    explicit Seat_One_Table(uint64_t seed = 1) {
        os.seed(seed);
        deal_from(test::pack_starting_with({}));
        g.open_card = no_card;
        g.lead_suit = -1;
        g.turn_seat = 1;
        set_hand(0, {8});
        set_hand(2, {9});
        set_hand(3, {10});
    }
    int16_t played() const { return g.seat[1].table_card; }
};

struct Computer : ::testing::Test, Seat_One_Table {};

TEST_F(Computer, LeadsTheWeakSuitWithItsLowestCard) {
    g.weak_suit = 2;
    set_hand(1, {0, 26, 27, 40}); // ace and 2 of hearts: the 2 is lower
    Computer_Turn(ctx, 1);
    EXPECT_EQ(played(), 27);
    EXPECT_EQ(g.lead_suit, 2);
    EXPECT_EQ(g.turn_seat, 2);
}

TEST_F(Computer, AceAndKingOfTheWeakSuitLeadTheKing) {
    g.weak_suit = 2;
    set_hand(1, {26, 38});
    Computer_Turn(ctx, 1);
    EXPECT_EQ(played(), 38);
}

TEST_F(Computer, AFinishedSeatOnlyPassesTheTurn) {
    g.seat[1].finished = flag_true;
    set_hand(1, {});
    g.turn_seat = 3;
    Computer_Turn(ctx, 1);
    EXPECT_EQ(g.turn_seat, 4);
    EXPECT_TRUE(os.calls().empty());
}

// What seat 1 plays from `hand` over many seeds, counted by card.
std::map<int16_t, int> choices(std::initializer_list<int16_t> hand, int16_t lead, int16_t weak) {
    std::map<int16_t, int> seen;
    for (uint64_t seed = 1; seed <= 400; ++seed) {
        auto t = std::make_unique<Seat_One_Table>(seed);
        t->set_hand(1, hand);
        t->g.lead_suit = lead;
        t->g.weak_suit = weak;
        Computer_Turn(t->ctx, 1);
        ++seen[t->played()];
    }
    return seen;
}

TEST(ComputerChoice, LeadsAnyCardWhenNoWeakSuitOrNoneOfIt) {
    for (int16_t weak : {int16_t{-1}, int16_t{2}}) {
        auto seen = choices({0, 14, 40, 41}, -1, weak);
        ASSERT_EQ(seen.size(), 4u) << "weak suit " << weak;
        for (auto [card, count] : seen) EXPECT_GT(count, 60) << card; // about 100 each
    }
}

TEST(ComputerChoice, FollowsWithAnyCardOfTheLeadSuit) {
    auto seen = choices({1, 27, 30, 33, 45}, 2, -1);
    EXPECT_EQ(seen.size(), 3u);
    for (int16_t heart : {27, 30, 33}) EXPECT_GT(seen[heart], 80) << heart;
}

TEST_F(Computer, ALoneCardOfTheLeadSuitIsPlayed) {
    g.lead_suit = 2;
    set_hand(1, {1, 2, 31, 45});
    Computer_Turn(ctx, 1);
    EXPECT_EQ(played(), 31);
    EXPECT_EQ(hand(1), (std::vector<int16_t>{1, 2, 45}));
}

TEST_F(Computer, WithoutTheSuitAndNoStockItTakesTheTable) {
    g.lead_suit = 2;
    g.seat[0].table_card = 30;
    set_hand(1, {1, 2});
    empty_stock();
    Computer_Turn(ctx, 1);
    EXPECT_EQ(played(), no_card);
    EXPECT_EQ(hand(1), (std::vector<int16_t>{1, 2, 30}));
    EXPECT_EQ(g.turn_seat, 0); // the human's card was the highest
}

TEST_F(Computer, WithoutTheSuitItPlenksAndPlaysTheCardDrawn) {
    g.lead_suit = 2;
    set_hand(1, {40, 1});
    g.deck_pos = 49;
    g.deck[49] = 14;
    g.deck[50] = 3;
    g.deck[51] = 35;
    Computer_Turn(ctx, 1);
    EXPECT_EQ(played(), 35);
    EXPECT_EQ(g.deck_pos, 52);
    EXPECT_EQ(hand(1), (std::vector<int16_t>{1, 3, 14, 40})); // sorted again by the play
}

TEST_F(Computer, APlenkThatFindsNothingTakesAndPlaysNothing) {
    g.lead_suit = 2;
    g.seat[3].table_card = 29;
    set_hand(1, {40});
    g.deck_pos = 50;
    g.deck[50] = 3;
    g.deck[51] = 16;
    Computer_Turn(ctx, 1);
    EXPECT_EQ(played(), no_card);
    EXPECT_EQ(hand(1), (std::vector<int16_t>{40, 3, 16, 29}));
    EXPECT_EQ(g.turn_seat, 3);
    EXPECT_EQ(g.lead_suit, -1);
}

} // namespace
} // namespace plenk
