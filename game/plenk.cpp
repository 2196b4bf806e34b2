#include "game/plenk.h"

#include "game/cards.h"
#include "game/hand.h"

#include <vector>

namespace plenk {

void plenk(Game_Context &ctx, int16_t cur_player, int16_t target_suit) {
    Game_State &g = ctx.g;
    const int16_t first = Card_Empty_Slot(g, cur_player);
    int16_t slot = first;
    bool found = false;
    ctx.view.plenking(cur_player);
    do {
        ctx.view.Animate_Card(1, cur_player);
        int16_t drawn = g.deck[g.deck_pos];
        g.seat[cur_player].card[slot] = drawn;
        if (Get_Suit(drawn) == target_suit)
            found = true;
        ++g.deck_pos;
        ++slot;
        ctx.view.Draw_Card();
    } while (g.deck_pos < pack_size && !found);
    ctx.view.drew(cur_player, slot - first);
    if (!found)
        Take_Card(ctx, cur_player);
}

void Take_Card(Game_Context &ctx, int16_t cur_player) {
    Game_State &g = ctx.g;
    std::vector<int16_t> taken;
    int16_t leader = cur_player;
    int16_t best = -1;
    for (int16_t i = 0; i < 4; ++i) {
        const Seat &seat = g.seat[i];
        if (seat.table_card == no_card)
            continue;
        taken.push_back(seat.table_card);
        if (seat.finished != flag_true) {
            int16_t v = card_strength(seat.table_card);
            if (v > best) {
                best = v;
                leader = i;
            }
        }
    }
    ctx.view.took(cur_player, taken, leader);
    for (Seat &seat : g.seat)
        seat.table_card = no_card;
    for (int16_t card : taken)
        g.seat[cur_player].card[Card_Empty_Slot(g, cur_player)] = card;
    g.lead_suit = -1;
    g.open_card = no_card;
    ctx.view.Draw_Card();
    g.turn_seat = leader;
}

} // namespace plenk
