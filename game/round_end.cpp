#include "game/round_end.h"

#include "game/cards.h"

namespace plenk {

int16_t next_leader(const Game_State &g, int16_t otherwise) {
    int16_t leader = otherwise;
    int16_t best = -1;
    for (int16_t i = 0; i < 4; ++i) {
        const Seat &seat = g.seat[i];
        if (seat.finished == flag_true || seat.table_card == no_card)
            continue;
        const int16_t value = card_strength(seat.table_card);
        if (value > best) {
            best = value;
            leader = i;
        }
    }
    return leader;
}

void clear_table(Game_Context &ctx, int16_t leader) {
    Game_State &g = ctx.g;
    for (Seat &seat : g.seat)
        seat.table_card = no_card;
    g.lead_suit = -1;
    g.open_card = no_card;
    ctx.view.Draw_Card();
    g.turn_seat = leader;
}

} // namespace plenk
