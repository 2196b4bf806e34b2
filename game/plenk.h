#pragma once

#include "game/game_context.h"

#include <cstdint>

namespace plenk {

// Draws from the stock into the seat's hand until a card of the suit comes;
// when the stock runs out first, the seat takes the table.
void plenk(Game_Context &ctx, int16_t cur_player, int16_t target_suit);
// The seat picks up every card on the table; the unfinished seat with the
// highest of them (the taker, if none) leads next.
void Take_Card(Game_Context &ctx, int16_t cur_player);

} // namespace plenk
