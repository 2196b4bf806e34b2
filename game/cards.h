#pragma once

#include <cstdint>

namespace plenk {

// A card is 0..51: suit = card / 13 (clubs, diamonds, hearts, spades), value =
// card mod 13 + 1 (1 the ace .. 13 the king). -1 is no card.
int16_t Get_Suit(int16_t card_number);
int16_t Get_Card_Value(int16_t card_number);
// The card library's index: rank by rank, four suits per rank.
int16_t Order_Card(int16_t card_number);
// The value with the ace counted 14, for every comparison of height.
int16_t card_strength(int16_t card_number);

} // namespace plenk
