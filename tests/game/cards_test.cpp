#include "game/cards.h"
#include "game/game_state.h"

#include <gtest/gtest.h>

#include <set>

namespace plenk {
namespace {

TEST(Cards, SuitValueLibraryIndexAndStrength) {
    struct Row {
        int16_t card, suit, value, library, strength;
        bool operator==(const Row &) const = default;
    };
    const Row rows[] = {{0, 0, 1, 0, 14},  {1, 0, 2, 4, 2},     {12, 0, 13, 48, 13},
                        {13, 1, 1, 1, 14}, {25, 1, 13, 49, 13}, {38, 2, 13, 50, 13},
                        {39, 3, 1, 3, 14}, {51, 3, 13, 51, 13}, {-1, -1, 0, -5, 0}};
    for (const Row &r : rows) {
        EXPECT_EQ((Row{r.card, Get_Suit(r.card), Get_Card_Value(r.card), Order_Card(r.card),
                       card_strength(r.card)}),
                  r)
            << r.card;
    }
    std::set<int16_t> library;
    for (int16_t c = 0; c < pack_size; ++c)
        library.insert(Order_Card(c));
    EXPECT_EQ(library.size(), 52u);
    EXPECT_EQ(*library.rbegin(), 51);
}

} // namespace
} // namespace plenk
