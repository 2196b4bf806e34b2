#include "game/throw_card.h"

#include "game/cards.h"
#include "game/hand.h"

namespace plenk {

void Throw_Card(Game_Context &ctx, int16_t cur_player, int16_t card_number) {
    Game_State &g = ctx.g;
    Seat &seat = g.seat[cur_player];
    if (g.lead_suit == -1)
        g.lead_suit = Get_Suit(seat.card[card_number]);
    int16_t played = seat.card[card_number];
    seat.card[card_number] = no_card;
    Rearrange_Card(g, cur_player);
    ctx.view.played(cur_player, played);
    ctx.view.Animate_Card(0, cur_player);
    seat.table_card = played;

    if (Card_Empty_Slot(g, cur_player) == 0) {
        seat.finished = flag_true;
        ++g.finish_count;
        if (g.finish_count == 3)
            g.game_over = flag_true;
        // Only the human is asked whether the game goes on without it.
        const bool keep_watching = ctx.view.finished(cur_player, g.finish_count);
        if (cur_player == 0 && !keep_watching)
            g.game_over = flag_true;
    }
    ctx.view.Draw_Card();
}

} // namespace plenk
