#include "game/turn_engine.h"

#include "game/cards.h"
#include "game/computer_player.h"
#include "game/hand.h"
#include "game/plenk.h"
#include "game/round_end.h"

namespace plenk {

void start_play(Game_Context &ctx) {
    ctx.view.Draw_Card();
    ctx.view.dealt();
    ctx.g.turn_seat = 4;
    next_turn(ctx);
}

void next_turn(Game_Context &ctx) {
    Game_State &g = ctx.g;
    if (g.game_over != flag_true) {
        do {
            if (g.turn_seat >= 1 && g.turn_seat <= 3) {
                if (g.seat[g.turn_seat].finished == flag_true)
                    ++g.turn_seat;
                else
                    Computer_Turn(ctx, g.turn_seat);
            } else {
                g.turn_seat = 0;
                if (g.seat[0].finished == flag_true) {
                    g.turn_seat = 1;
                } else if (g.lead_suit != -1 && has_suit(g, 0, g.lead_suit) != flag_true) {
                    // The human cannot follow: the plenk is made without a click.
                    g.weak_suit = g.lead_suit;
                    if (g.deck_pos >= pack_size)
                        Take_Card(ctx, 0);
                    else
                        plenk(ctx, 0, g.lead_suit);
                }
            }
        } while (g.turn_seat != 0 && g.game_over != flag_true);
    }
    if (g.game_over == flag_true)
        ctx.view.game_ended();
}

void Finalize_Round(Game_Context &ctx) {
    Game_State &g = ctx.g;
    for (const Seat &seat : g.seat) {
        if (seat.finished != flag_true && seat.table_card == no_card) {
            ++g.turn_seat;
            return;
        }
    }
    // Every unfinished seat has a card on the table here.
    const int16_t winner = next_leader(g, -1);
    ctx.view.round_won(winner);
    clear_table(ctx, winner);
}

} // namespace plenk
