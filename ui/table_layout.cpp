#include "ui/table_layout.h"

#include "game/hand.h"
#include "game/rounding.h"
#include "game/table_constants.h"

#include <cmath>

namespace plenk {

namespace {

// The human's and the top seat's cards lie in a row, the others in a column.
bool in_row(int16_t seat) {
    return seat == 0 || seat == 2;
}

} // namespace

Table_Rect stack_rect(const Game_State &g, int16_t seat) {
    const Seat &s = g.seat[seat];
    const int16_t n = Card_Empty_Slot(g, seat);
    const int32_t run = (n - 1) * card_step;
    Table_Rect r;
    if (in_row(seat)) {
        r.x = nearest(s.hand_x - run / 2.0);
        r.y = nearest(s.hand_y - g.card_h / 2.0);
        r.width = run + g.card_w;
        r.height = g.card_h;
    } else {
        r.x = nearest(s.hand_x - g.card_w / 2.0);
        r.y = nearest(s.hand_y - run / 2.0);
        r.width = g.card_w;
        r.height = run + g.card_h;
    }
    if (n == 0)
        r.width = r.height = 0;
    return r;
}

Table_Rect card_rect(const Game_State &g, int16_t seat, int16_t slot) {
    const Table_Rect stack = stack_rect(g, seat);
    const int32_t along = card_step * slot;
    return in_row(seat) ? Table_Rect{stack.x + along, stack.y, g.card_w, g.card_h}
                        : Table_Rect{stack.x, stack.y + along, g.card_w, g.card_h};
}

Table_Rect shown_rect(const Game_State &g, int16_t seat, int16_t slot) {
    Table_Rect r = card_rect(g, seat, slot);
    if (slot == Card_Empty_Slot(g, seat) - 1)
        return r;
    (in_row(seat) ? r.width : r.height) = card_step;
    return r;
}

Table_Rect anchor_rect(const Game_State &g, int16_t seat) {
    const Seat &s = g.seat[seat];
    return {nearest(s.hand_x - g.card_w / 2.0), nearest(s.hand_y - g.card_h / 2.0), g.card_w,
            g.card_h};
}

Table_Rect spot_rect(const Game_State &g, int16_t seat) {
    const Seat &s = g.seat[seat];
    return {nearest(s.table_x - g.card_w / 2.0), nearest(s.table_y - g.card_h / 2.0), g.card_w,
            g.card_h};
}

Table_Rect centre_rect(const Game_State &g) {
    return {nearest((table_width - g.card_w) / 2.0), nearest((table_height - g.card_h) / 2.0),
            g.card_w, g.card_h};
}

Centre centre_holds(const Game_State &g) {
    if (g.open_card != no_card)
        return Centre::Open_Card;
    return g.deck_pos <= pack_size - 1 ? Centre::Stock : Centre::Nothing;
}

Table_Rect label_rect() {
    constexpr Table_Rect take_label{216, 256, 313, 25};
    return take_label;
}

int16_t slot_under_press(const Game_State &g, float x, float y) {
    return hand_slot_at(stack_rect(g, 0), Card_Empty_Slot(g, 0), x, y);
}

int16_t hand_slot_at(const Table_Rect &hand, int16_t cards, float x, float y) {
    if (cards == 0 || x < hand.x || x > hand.x + hand.width || y < hand.y ||
        y > hand.y + hand.height)
        return -1;
    const int slot = static_cast<int>(std::floor((x - hand.x) / card_step));
    return static_cast<int16_t>(slot > cards - 1 ? cards - 1 : slot);
}

} // namespace plenk
