#pragma once

#include "game/game_context.h"

#include <cstdint>

namespace plenk {

// The top-left corner of the human's first card, as the table lays out the row.
struct Row_Corner {
    int32_t left;
    int32_t top;
};
Row_Corner human_row_corner(const Game_State &g);

// Whether the human may play now: a game runs, it is seat 0's turn and no
// card is moving.
bool human_may_play(const Game_State &g);
// Whether the human may play the card in the slot now: the lead suit, or any
// card when the human leads.
bool human_may_play_slot(const Game_State &g, int16_t slot);
// The slot of the human's hand under table pixel (x, y), or -1 off the hand.
int16_t slot_under_press(const Game_State &g, float x, float y);
// Plays the card in the slot if the human may, then lets the computer seats
// move. Returns whether the card was played.
bool play_human_card(Game_Context &ctx, int16_t slot);
// A mouse press on the table: any button plays the card under it if legal.
void Form_MouseDown(Game_Context &ctx, int16_t button, int16_t shift, float x, float y);

} // namespace plenk
