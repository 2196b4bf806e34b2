#include "ui/table_renderer.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/rounding.h"
#include "game/table_constants.h"

namespace plenk {

void Delay(Platform &os, int32_t ms) {
    const uint32_t start = os.GetTickCount();
    for (;;) {
        const uint32_t now = os.GetTickCount();
        // A signed difference of two readings stays right across the counter's wrap.
        const int32_t elapsed = static_cast<int32_t>(now - start);
        // Sleep in the pump until an event comes or the wait is over.
        const int32_t remaining = ms - elapsed + 1;
        os.pump_events(remaining > 0 ? remaining : 0);
        if (elapsed > ms)
            return;
    }
}

void Table_Renderer::Draw_Card() {
    const int32_t dc = os_.surface_dc();
    auto face = [&](int32_t x, int32_t y, int16_t card) {
        os_.cdtDraw(dc, x, y, Order_Card(card), mode_face, draw_colour);
    };
    auto back = [&](int32_t x, int32_t y) {
        os_.cdtDraw(dc, x, y, back_design, mode_back, draw_colour);
    };

    os_.clear_surface();
    // The moving card goes first, so it passes under everything else.
    if (g_.animating == flag_true)
        back(g_.anim_x, g_.anim_y);

    const int32_t centre_x = nearest((table_width - g_.card_w) / 2.0);
    const int32_t centre_y = nearest((table_height - g_.card_h) / 2.0);
    if (g_.open_card != no_card)
        face(centre_x, centre_y, g_.open_card);
    else if (g_.deck_pos <= pack_size - 1)
        back(centre_x, centre_y);

    for (int16_t i = 0; i < 4; ++i) {
        const Seat &seat = g_.seat[i];
        const int16_t n = Card_Empty_Slot(g_, i);
        const bool row = i == 0 || i == 2;
        const int32_t run = (n - 1) * card_step;
        const int32_t left =
            row ? nearest(seat.hand_x - run / 2.0) : nearest(seat.hand_x - g_.card_w / 2.0);
        const int32_t top =
            row ? nearest(seat.hand_y - g_.card_h / 2.0) : nearest(seat.hand_y - run / 2.0);
        for (int16_t j = 0; j < n; ++j) {
            const int32_t x = row ? left + card_step * j : left;
            const int32_t y = row ? top : top + card_step * j;
            if (i == 0)
                face(x, y, seat.card[j]);
            else
                back(x, y);
        }
        if (seat.table_card != no_card)
            face(nearest(seat.table_x - g_.card_w / 2.0), nearest(seat.table_y - g_.card_h / 2.0),
                 seat.table_card);
    }
    os_.refresh_surface();
}

void Table_Renderer::Animate_Card(int16_t direction, int16_t cur_player) {
    g_.animating = flag_true;
    const Seat &seat = g_.seat[cur_player];
    const int16_t hand_left = nearest(seat.hand_x - g_.card_w / 2.0);
    const int16_t hand_top = nearest(seat.hand_y - g_.card_h / 2.0);
    int16_t sx, sy, tx, ty;
    if (direction != 0) {
        sx = nearest(table_width / 2.0 - g_.card_w / 2.0);
        sy = nearest(table_height / 2.0 - g_.card_h / 2.0);
        tx = hand_left;
        ty = hand_top;
    } else {
        sx = hand_left;
        sy = hand_top;
        tx = nearest(seat.table_x - g_.card_w / 2.0);
        ty = nearest(seat.table_y - g_.card_h / 2.0);
    }
    g_.anim_x = sx;
    g_.anim_y = sy;

    // The bottom and top seats move along y, the others along x. A card
    // travels outwards from the centre when drawn and inwards when played,
    // and outwards is + for the bottom and right seats.
    const bool vertical = cur_player == 0 || cur_player == 2;
    const bool outwards_is_plus = cur_player == 0 || cur_player == 1;
    const int16_t step = (direction != 0) == outwards_is_plus ? card_step : -card_step;
    int16_t &pos = vertical ? g_.anim_y : g_.anim_x;
    const int16_t target = vertical ? ty : tx;
    for (;;) {
        Delay(os_, frame_ms);
        Draw_Card();
        pos = static_cast<int16_t>(pos + step);
        if (step > 0 ? pos > target : pos < target)
            break;
    }
    g_.animating = flag_false;
}

} // namespace plenk
