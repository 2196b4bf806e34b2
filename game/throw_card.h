#pragma once

#include "game/game_context.h"

#include <cstdint>

namespace plenk {

// Plays the card in slot `card_number` of the seat's hand onto its table spot;
// notes a finished seat, ends the game at the third finisher or when the
// finished human does not want to watch on.
void Throw_Card(Game_Context &ctx, int16_t cur_player, int16_t card_number);

} // namespace plenk
