#include "game/human_selection.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/throw_card.h"
#include "game/turn_engine.h"

namespace plenk {

bool human_may_play(const Game_State &g) {
    return g.animating != flag_true && g.turn_seat == 0 && g.game_over != flag_true;
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

} // namespace plenk
