#include "ui/table_renderer.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/table_constants.h"
#include "ui/table_layout.h"

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
    auto face = [&](const Table_Rect &at, int16_t card) {
        os_.cdtDraw(dc, at.x, at.y, Order_Card(card), mode_face, draw_colour);
    };
    auto back = [&](const Table_Rect &at) {
        os_.cdtDraw(dc, at.x, at.y, back_design, mode_back, draw_colour);
    };

    os_.clear_surface();
    // The moving card goes first, so it passes under everything else.
    if (g_.animating == flag_true)
        back({g_.anim_x, g_.anim_y, g_.card_w, g_.card_h});

    switch (centre_holds(g_)) {
    case Centre::Open_Card:
        face(centre_rect(g_), g_.open_card);
        break;
    case Centre::Stock:
        back(centre_rect(g_));
        break;
    case Centre::Nothing:
        break;
    }

    for (int16_t i = 0; i < 4; ++i) {
        const Seat &seat = g_.seat[i];
        for (int16_t j = 0; j < Card_Empty_Slot(g_, i); ++j) {
            if (i == 0)
                face(card_rect(g_, i, j), seat.card[j]);
            else
                back(card_rect(g_, i, j));
        }
        if (seat.table_card != no_card)
            face(spot_rect(g_, i), seat.table_card);
    }
    os_.refresh_surface();
}

void Table_Renderer::Animate_Card(int16_t direction, int16_t cur_player) {
    g_.animating = flag_true;
    const Table_Rect hand = anchor_rect(g_, cur_player);
    const Table_Rect from = direction != 0 ? centre_rect(g_) : hand;
    const Table_Rect to = direction != 0 ? hand : spot_rect(g_, cur_player);
    g_.anim_x = static_cast<int16_t>(from.x);
    g_.anim_y = static_cast<int16_t>(from.y);

    // The bottom and top seats move along y, the others along x. A card
    // travels outwards from the centre when drawn and inwards when played,
    // and outwards is + for the bottom and right seats.
    const bool vertical = cur_player == 0 || cur_player == 2;
    const bool outwards_is_plus = cur_player == 0 || cur_player == 1;
    const int16_t step = (direction != 0) == outwards_is_plus ? card_step : -card_step;
    int16_t &pos = vertical ? g_.anim_y : g_.anim_x;
    const int32_t target = vertical ? to.y : to.x;
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
