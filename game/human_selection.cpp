#include "game/human_selection.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/rounding.h"
#include "game/table_constants.h"
#include "game/throw_card.h"
#include "game/turn_engine.h"

#include <cmath>

namespace plenk {

bool human_may_play(const Game_State &g) {
    return g.animating != flag_true && g.turn_seat == 0 && g.game_over != flag_true;
}

Row_Corner human_row_corner(const Game_State &g) {
    const int16_t n = Card_Empty_Slot(g, 0);
    return {nearest(g.seat[0].hand_x - (n - 1) * card_step / 2.0),
            nearest(g.seat[0].hand_y - g.card_h / 2.0)};
}

int16_t slot_under_press(const Game_State &g, float x, float y) {
    int16_t n = Card_Empty_Slot(g, 0);
    if (n == 0)
        return -1;
    const auto [left, top] = human_row_corner(g);
    int right = left + (n - 1) * card_step + g.card_w;
    int bottom = top + g.card_h;
    // Every edge counts as inside.
    if (x < left || x > right || y < top || y > bottom)
        return -1;
    int slot = static_cast<int>(std::floor((x - left) / card_step));
    return static_cast<int16_t>(slot > n - 1 ? n - 1 : slot);
}

bool human_may_play_slot(const Game_State &g, int16_t slot) {
    if (!human_may_play(g) || slot < 0 || slot >= Card_Empty_Slot(g, 0))
        return false;
    return g.lead_suit == -1 || Get_Suit(g.seat[0].card[slot]) == g.lead_suit;
}

bool play_human_card(Game_Context &ctx, int16_t slot) {
    if (!human_may_play_slot(ctx.g, slot))
        return false;
    Throw_Card(ctx, 0, slot);
    Finalize_Round(ctx);
    next_turn(ctx);
    return true;
}

void Form_MouseDown(Game_Context &ctx, int16_t /*button*/, int16_t /*shift*/, float x, float y) {
    play_human_card(ctx, slot_under_press(ctx.g, x, y));
}

} // namespace plenk
