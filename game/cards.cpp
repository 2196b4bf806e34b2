#include "game/cards.h"

#include <cmath>

namespace plenk {

int16_t Get_Suit(int16_t card_number) {
    return static_cast<int16_t>(std::floor(card_number / 13.0));
}

int16_t Get_Card_Value(int16_t card_number) {
    // The remainder keeps the sign of the card, so -1 gives 0.
    return static_cast<int16_t>(card_number % 13 + 1);
}

int16_t Order_Card(int16_t card_number) {
    return static_cast<int16_t>((Get_Card_Value(card_number) - 1) * 4 + Get_Suit(card_number));
}

int16_t card_strength(int16_t card_number) {
    int16_t value = Get_Card_Value(card_number);
    return value == 1 ? int16_t{14} : value;
}

} // namespace plenk
