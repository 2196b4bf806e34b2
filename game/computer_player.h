#pragma once

#include "game/game_context.h"

#include <cstdint>

namespace plenk {

// One move of a computer seat: lead (aiming at the human's weak suit), follow
// with a random card of the lead suit, or plenk and play what it drew.
void Computer_Turn(Game_Context &ctx, int16_t current_turn);

} // namespace plenk
