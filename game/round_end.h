#pragma once

#include "game/game_context.h"

#include <cstdint>

namespace plenk {

// The seat that leads after a round or a take: the unfinished seat whose
// card on the table is highest (aces high; the earlier seat on equal
// values), or `otherwise` when no unfinished seat has a card there.
int16_t next_leader(const Game_State &g, int16_t otherwise);

// Ends the round: the table's cards, the lead suit and the open card go,
// the table is repainted and `leader` moves next.
void clear_table(Game_Context &ctx, int16_t leader);

} // namespace plenk
