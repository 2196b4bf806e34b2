#include "game/plenk.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/round_end.h"

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
    // Every card on the table goes to the taker, in seat order, those of
    // finished seats too; only unfinished seats' cards compete for the lead.
    std::vector<int16_t> taken;
    for (const Seat &seat : g.seat)
        if (seat.table_card != no_card)
            taken.push_back(seat.table_card);
    const int16_t leader = next_leader(g, cur_player);
    ctx.view.took(cur_player, taken, leader);
    for (int16_t card : taken)
        g.seat[cur_player].card[Card_Empty_Slot(g, cur_player)] = card;
    clear_table(ctx, leader);
}

} // namespace plenk
