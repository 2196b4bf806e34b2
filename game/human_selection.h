#pragma once

#include "game/game_context.h"

#include <cstdint>

namespace plenk {

// Whether the human may play now: a game runs, it is seat 0's turn and no
// card is moving.
bool human_may_play(const Game_State &g);
// Whether the human may play the card in the slot now: the lead suit, or any
// card when the human leads.
bool human_may_play_slot(const Game_State &g, int16_t slot);
// Plays the card in the slot if the human may, then lets the computer seats
// move. Returns whether the card was played.
bool play_human_card(Game_Context &ctx, int16_t slot);
} // namespace plenk
