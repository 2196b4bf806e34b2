#include "game/turn_engine.h"

#include "game/cards.h"
#include "game/computer_player.h"
#include "game/hand.h"
#include "game/plenk.h"

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
    int16_t winner = -1;
    int16_t best = -1;
    for (int16_t i = 0; i < 4; ++i) {
        if (g.seat[i].finished == flag_true)
            continue;
        int16_t v = card_strength(g.seat[i].table_card);
        if (v > best) {
            best = v;
            winner = i;
        }
    }
    ctx.view.round_won(winner);
    for (Seat &seat : g.seat)
        seat.table_card = no_card;
    g.lead_suit = -1;
    g.open_card = no_card;
    ctx.view.Draw_Card();
    g.turn_seat = winner;
}

} // namespace plenk
