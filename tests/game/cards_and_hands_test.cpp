#include "game/cards.h"
#include "game/hand.h"
#include "tests/support/table_fixture.h"

#include <gtest/gtest.h>

#include <set>

namespace plenk {
namespace {

using test::cards;

TEST(Cards, SuitValueLibraryIndexAndStrength) {
    struct Row {
        int16_t card, suit, value, library, strength;
        bool operator==(const Row&) const = default;
    };
    const Row rows[] = {{0, 0, 1, 0, 14},    {1, 0, 2, 4, 2},     {12, 0, 13, 48, 13}, {13, 1, 1, 1, 14}, {25, 1, 13, 49, 13},
                        {38, 2, 13, 50, 13}, {39, 3, 1, 3, 14},   {51, 3, 13, 51, 13}, {-1, -1, 0, -5, 0}};
    for (const Row& r : rows) {
        EXPECT_EQ((Row{r.card, Get_Suit(r.card), Get_Card_Value(r.card), Order_Card(r.card), card_strength(r.card)}),
                  r) << r.card;
    }
    std::set<int16_t> library;
    for (int16_t c = 0; c < pack_size; ++c) library.insert(Order_Card(c));
    EXPECT_EQ(library.size(), 52u);
    EXPECT_EQ(*library.rbegin(), 51);
}

std::vector<int16_t> full_pack_with_last(int16_t last) {
    std::vector<int16_t> pack;
    for (int16_t c = 0; c < pack_size; ++c)
        if (c != last) pack.push_back(c);
    pack.push_back(last);
    return pack;
}

TEST(Hands, CountSuitsHeldLowestOfEachSuitAndSort) {
    struct Row {
        std::vector<int16_t> hand;
        int16_t count;
        const char* suits_held;          // "CDHS", '-' for a suit not held
        std::array<int16_t, 4> smallest; // slot of each suit's lowest card, the ace high
        std::vector<int16_t> sorted;
    };
    const Row rows[] = {
        {{}, 0, "----", {-1, -1, -1, -1}, {}},
        {cards("KH"), 1, "--H-", {-1, -1, 0, -1}, cards("KH")},
        {cards("KS AH 2C 5H KH"), 5, "C-HS", {2, -1, 3, 0}, cards("2C AH 5H KH KS")},
        {cards("AD KD"), 2, "-D--", {-1, 1, -1, -1}, cards("AD KD")},
        // A full hand cannot arise in play; its count stops at the last slot.
        {full_pack_with_last(test::card("2H")), 51, "CDHS", {1, 14, 27, 39}, full_pack_with_last(test::card("2H"))},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.hand.size());
        test::Table_Fixture t;
        t.lay({});
        std::copy(r.hand.begin(), r.hand.end(), t.g.seat[2].card.begin());
        EXPECT_EQ(Card_Empty_Slot(t.g, 2), r.count);
        for (int16_t suit = 0; suit < 4; ++suit) {
            EXPECT_EQ(has_suit(t.g, 2, suit), to_flag(r.suits_held[suit] != '-')) << suit;
            EXPECT_EQ(Get_Smallest_Card(t.g, 2, suit), r.smallest[suit]) << suit;
        }
        Sort_Card(t.g, 2);
        EXPECT_TRUE(std::equal(r.sorted.begin(), r.sorted.end(), t.g.seat[2].card.begin()));
    }
}

TEST(Hands, RearrangeClosesTheGapAPlayedCardLeftThenSorts) {
    const std::tuple<const char*, int, const char*> rows[] = {
        {"9H 2C KS", 0, "-|2C KS|-|-"}, {"9H 2C KS", 1, "-|9H KS|-|-"}, {"9H 2C KS", 2, "-|2C 9H|-|-"}, {"5D", 0, "-|-|-|-"}};
    for (const auto& [hand, gap, after] : rows) {
        test::Table_Fixture t;
        t.lay({{"", hand, "", ""}});
        t.g.seat[1].card[gap] = no_card;
        Rearrange_Card(t.g, 1);
        EXPECT_EQ(t.hands(), after) << hand << " gap " << gap;
    }
}

} // namespace
} // namespace plenk
