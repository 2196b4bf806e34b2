#include "game/computer_player.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/plenk.h"
#include "game/rounding.h"
#include "game/throw_card.h"
#include "game/turn_engine.h"

#include <array>

namespace plenk {

namespace {

void play(Game_Context &ctx, int16_t s, int16_t slot) {
    Throw_Card(ctx, s, slot);
    Finalize_Round(ctx);
}

} // namespace

void Computer_Turn(Game_Context &ctx, int16_t current_turn) {
    Game_State &g = ctx.g;
    const int16_t s = current_turn;
    if (g.seat[s].finished == flag_true) {
        ++g.turn_seat;
        return;
    }
    int16_t n = Card_Empty_Slot(g, s);

    if (g.lead_suit == -1) {
        if (g.weak_suit != -1 && has_suit(g, s, g.weak_suit) == flag_true)
            play(ctx, s, Get_Smallest_Card(g, s, g.weak_suit));
        else
            play(ctx, s, random_index(ctx.os.random_value(), n));
        return;
    }

    std::array<int16_t, pack_size> list{};
    int16_t k = 0;
    for (int16_t i = 0; i < n; ++i)
        if (Get_Suit(g.seat[s].card[i]) == g.lead_suit)
            list[k++] = i;
    if (k != 0) {
        play(ctx, s, list[random_index(ctx.os.random_value(), k)]);
        return;
    }
    if (g.deck_pos >= pack_size) {
        Take_Card(ctx, s);
        return;
    }
    plenk(ctx, s, g.lead_suit);
    if (g.lead_suit != -1)
        play(ctx, s, static_cast<int16_t>(Card_Empty_Slot(g, s) - 1));
}

} // namespace plenk
