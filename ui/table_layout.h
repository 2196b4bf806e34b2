#pragma once

#include "game/game_state.h"

#include <cstdint>

namespace plenk {

// A rectangle of table pixels: the columns x .. x + width - 1 and the rows
// y .. y + height - 1. Empty when width or height is 0.
struct Table_Rect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool operator==(const Table_Rect &) const = default;
};

// Where everything on the table lies, worked out from the anchors the deal
// gave each seat and the card size; the one place the table's pixels are
// computed. Halves round to the even neighbour. A seat's cards run 15 pixels
// apart from its anchor's centre: the human's and the top seat's rightwards,
// the side seats' downwards, each card over the one before it.

// Card `slot` of the seat's hand, whole, as it is drawn.
Table_Rect card_rect(const Game_State &g, int16_t seat, int16_t slot);
// The part of that card left showing by the card drawn over it: a strip 15
// pixels across (down, for a side seat); the last card shows whole.
Table_Rect shown_rect(const Game_State &g, int16_t seat, int16_t slot);
// All of the seat's cards together; empty, at the anchor, when it holds none.
Table_Rect stack_rect(const Game_State &g, int16_t seat);
// A card centred on the seat's anchor, where a slide to or from the hand
// starts or ends.
Table_Rect anchor_rect(const Game_State &g, int16_t seat);
// The seat's table spot, where its played card lies.
Table_Rect spot_rect(const Game_State &g, int16_t seat);
// The middle of the table: the open card, else the stock.
Table_Rect centre_rect(const Game_State &g);
// What lies there: the open card while it is on the table, else the stock's
// top card, face down, while any is left, else nothing.
enum class Centre { Open_Card, Stock, Nothing };
Centre centre_holds(const Game_State &g);
// The label that names a take, across the middle of the table.
Table_Rect label_rect();

// The slot of the human's hand a press at table point (x, y) plays, -1 off
// the hand. Every edge of the hand counts as inside, the right and bottom
// ones included; the slot is the 15-pixel strip from the hand's left edge,
// the last card taking the rest.
int16_t slot_under_press(const Game_State &g, float x, float y);
// The same rule for a hand of `cards` laid in `hand`.
int16_t hand_slot_at(const Table_Rect &hand, int16_t cards, float x, float y);

} // namespace plenk
