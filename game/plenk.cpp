#include "game/plenk.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/table_constants.h"
#include "platform/text_marker.h"

#include <string>

namespace plenk {

void plenk(Game_Context &ctx, int16_t cur_player, int16_t target_suit) {
    Game_State &g = ctx.g;
    int16_t slot = Card_Empty_Slot(g, cur_player);
    bool found = false;
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
    if (!found)
        Take_Card(ctx, cur_player);
}

void Take_Card(Game_Context &ctx, int16_t cur_player) {
    Game_State &g = ctx.g;
    ctx.os.set_label_caption(cur_player == 0
                                 ? QT_TRANSLATE_NOOP("Play", "Player takes all card")
                                 : with_args(QT_TRANSLATE_NOOP("Play", "COM %1 takes all card"),
                                             {std::to_string(cur_player)}));
    ctx.os.set_label_visible(true);
    ctx.os.refresh_label();
    ctx.os.Sleep(pause_ms);
    ctx.os.set_label_visible(false);

    int16_t leader = cur_player;
    int16_t best = -1;
    for (int16_t i = 0; i < 4; ++i) {
        Seat &seat = g.seat[i];
        if (seat.table_card == no_card)
            continue;
        g.seat[cur_player].card[Card_Empty_Slot(g, cur_player)] = seat.table_card;
        if (seat.finished != flag_true) {
            int16_t v = card_strength(seat.table_card);
            if (v > best) {
                best = v;
                leader = i;
            }
        }
        seat.table_card = no_card;
    }
    g.lead_suit = -1;
    g.open_card = no_card;
    ctx.view.Draw_Card();
    g.turn_seat = leader;
}

} // namespace plenk
