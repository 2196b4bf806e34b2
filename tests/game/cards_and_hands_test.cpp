#include "game/cards.h"
#include "game/hand.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

namespace plenk {
namespace {

TEST(Cards, SuitValueAndLibraryIndex) {
    struct Case {
        int16_t card, suit, value, index;
    };
    for (Case c : {Case{0, 0, 1, 0}, Case{12, 0, 13, 48}, Case{13, 1, 1, 1}, Case{51, 3, 13, 51},
                   Case{27, 2, 2, 6}, Case{-1, -1, 0, -5}}) {
        SCOPED_TRACE(c.card);
        EXPECT_EQ(Get_Suit(c.card), c.suit);
        EXPECT_EQ(Get_Card_Value(c.card), c.value);
        EXPECT_EQ(Order_Card(c.card), c.index);
    }
}

TEST(Cards, LibraryIndexCoversEveryCardOnce) {
    std::array<int, 52> hits{};
    for (int16_t c = 0; c < 52; ++c) ++hits.at(static_cast<std::size_t>(Order_Card(c)));
    for (int h : hits) EXPECT_EQ(h, 1);
}

TEST(Cards, AceCountsAboveKingOnlyWhenCompared) {
    EXPECT_EQ(Get_Card_Value(26), 1);
    EXPECT_EQ(card_strength(26), 14);
    EXPECT_GT(card_strength(26), card_strength(38));
    EXPECT_EQ(card_strength(27), 2);
}

struct Hands : ::testing::Test, test::Table_Fixture {};

TEST_F(Hands, EmptyHand) {
    set_hand(1, {});
    EXPECT_EQ(Card_Empty_Slot(g, 1), 0);
    EXPECT_EQ(has_suit(g, 1, 0), flag_false);
    EXPECT_EQ(Get_Smallest_Card(g, 1, 0), -1);
    Sort_Card(g, 1);
    EXPECT_EQ(hand(1), std::vector<int16_t>{});
}

TEST_F(Hands, CountAndSuitSearch) {
    set_hand(2, {40, 3, 14});
    EXPECT_EQ(Card_Empty_Slot(g, 2), 3);
    EXPECT_EQ(has_suit(g, 2, 3), flag_true);
    EXPECT_EQ(has_suit(g, 2, 1), flag_true);
    EXPECT_EQ(has_suit(g, 2, 2), flag_false);
}

TEST_F(Hands, SmallestCardIsASlotAndTheAceCountsFourteen) {
    set_hand(1, {30, 27, 5});
    EXPECT_EQ(Get_Smallest_Card(g, 1, 2), 1);
    set_hand(1, {14, 26, 40}); // the ace is the only heart
    EXPECT_EQ(Get_Smallest_Card(g, 1, 2), 1);
    set_hand(1, {26, 27, 40}); // ace and 2 of hearts: the 2 is lower
    EXPECT_EQ(Get_Smallest_Card(g, 1, 2), 1);
    set_hand(1, {38, 26}); // king and ace: the king is lower
    EXPECT_EQ(Get_Smallest_Card(g, 1, 2), 0);
}

TEST_F(Hands, SortOrdersByCardNumber) {
    set_hand(0, {40, 3, 14, 0});
    Sort_Card(g, 0);
    EXPECT_EQ(hand(0), (std::vector<int16_t>{0, 3, 14, 40}));
    EXPECT_EQ(g.seat[0].card[4], no_card);
    set_hand(0, {7});
    Sort_Card(g, 0);
    EXPECT_EQ(hand(0), std::vector<int16_t>{7});
}

TEST_F(Hands, RearrangeClosesTheGapThenSorts) {
    set_hand(3, {4, 9, 20, 7});
    g.seat[3].card[1] = no_card;
    Rearrange_Card(g, 3);
    EXPECT_EQ(hand(3), (std::vector<int16_t>{4, 7, 20}));
    EXPECT_EQ(g.seat[3].card[3], no_card);

    set_hand(3, {20, 4, 9});
    g.seat[3].card[2] = no_card; // the last card: only the sort is left
    Rearrange_Card(g, 3);
    EXPECT_EQ(hand(3), (std::vector<int16_t>{4, 20}));

    set_hand(3, {9});
    g.seat[3].card[0] = no_card;
    Rearrange_Card(g, 3);
    EXPECT_EQ(Card_Empty_Slot(g, 3), 0);
}

TEST_F(Hands, RearrangeOfAFullHandStaysInBounds) {
    auto& card = g.seat[1].card;
    for (int16_t i = 0; i < 51; ++i) card[i] = static_cast<int16_t>(50 - i);
    card[51] = no_card;
    card[0] = no_card;
    Rearrange_Card(g, 1);
    EXPECT_EQ(Card_Empty_Slot(g, 1), 50);
    for (int16_t i = 0; i < 50; ++i) EXPECT_EQ(card[i], i);
}

} // namespace
} // namespace plenk
