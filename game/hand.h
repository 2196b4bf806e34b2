#pragma once

#include "game/game_state.h"

#include <cstdint>

namespace plenk {

// A hand of n cards fills slots 0..n-1; the first empty slot is the count.
int16_t Card_Empty_Slot(const Game_State &g, int16_t cur_player);
Flag has_suit(const Game_State &g, int16_t cur_player, int16_t target_suit);
// Slot of the lowest card of the suit, the ace counting 14; -1 if none.
int16_t Get_Smallest_Card(const Game_State &g, int16_t cur_player, int16_t suit);
// Ascending card number: by suit, and within a suit ace first.
void Sort_Card(Game_State &g, int16_t cur_player);
// Closes the one gap a played card left, then sorts.
void Rearrange_Card(Game_State &g, int16_t cur_player);

} // namespace plenk
