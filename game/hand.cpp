#include "game/hand.h"

#include "game/cards.h"

#include <utility>

namespace plenk {

int16_t Card_Empty_Slot(const Game_State &g, int16_t cur_player) {
    const auto &card = g.seat[cur_player].card;
    int16_t i = 0;
    // A full hand cannot arise in play; the count then stops at the last slot.
    while (i < pack_size - 1 && card[i] != no_card)
        ++i;
    return i;
}

Flag has_suit(const Game_State &g, int16_t cur_player, int16_t target_suit) {
    int16_t n = Card_Empty_Slot(g, cur_player);
    for (int16_t i = 0; i < n; ++i)
        if (Get_Suit(g.seat[cur_player].card[i]) == target_suit)
            return flag_true;
    return flag_false;
}

int16_t Get_Smallest_Card(const Game_State &g, int16_t cur_player, int16_t suit) {
    int16_t best = 100;
    int16_t result = -1;
    int16_t n = Card_Empty_Slot(g, cur_player);
    for (int16_t i = 0; i < n; ++i) {
        int16_t c = g.seat[cur_player].card[i];
        if (Get_Suit(c) != suit)
            continue;
        int16_t v = card_strength(c);
        if (v < best) {
            best = v;
            result = i;
        }
    }
    return result;
}

void Sort_Card(Game_State &g, int16_t cur_player) {
    auto &card = g.seat[cur_player].card;
    int16_t n = Card_Empty_Slot(g, cur_player);
    for (int16_t i = 0; i + 1 < n; ++i)
        for (int16_t j = i + 1; j < n; ++j)
            if (card[i] > card[j])
                std::swap(card[i], card[j]);
}

void Rearrange_Card(Game_State &g, int16_t cur_player) {
    auto &card = g.seat[cur_player].card;
    for (;;) {
        int16_t e = Card_Empty_Slot(g, cur_player);
        if (e + 1 >= pack_size || card[e + 1] == no_card)
            break;
        card[e] = card[e + 1];
        card[e + 1] = no_card;
    }
    Sort_Card(g, cur_player);
}

} // namespace plenk
