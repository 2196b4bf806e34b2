#include "game/deal.h"

#include "game/cards.h"
#include "game/hand.h"
#include "game/rounding.h"
#include "game/table_constants.h"
#include "game/turn_engine.h"

namespace plenk {

void Shuffle_Deck(Game_State &g, Platform &os) {
    g.deck.fill(no_card);
    for (int16_t c = 0; c < pack_size; ++c) {
        for (;;) {
            os.reseed(os.clock_seconds());
            int16_t k = random_index(os.random_value(), pack_size);
            if (g.deck[k] == no_card) {
                g.deck[k] = c;
                break;
            }
        }
    }
}

void deal_cards(Game_State &g) {
    const double cx = table_width / 2.0;
    const double cy = table_height / 2.0;
    const double w = g.card_w;
    const double h = g.card_h;
    struct Geometry {
        double hand_x, hand_y, table_x, table_y;
    };
    const Geometry geometry[4] = {
        {cx, 500, cx, cy + h},     // bottom, the human
        {700, cy, cx + w + 2, cy}, // right
        {cx, 50, cx, cy - h},      // top
        {50, cy, cx - w, cy},      // left
    };
    for (int s = 0; s < 4; ++s) {
        Seat &seat = g.seat[s];
        seat.hand_x = nearest(geometry[s].hand_x);
        seat.hand_y = nearest(geometry[s].hand_y);
        seat.table_x = nearest(geometry[s].table_x);
        seat.table_y = nearest(geometry[s].table_y);
    }
    for (Seat &seat : g.seat) {
        seat.table_card = no_card;
        seat.finished = flag_false;
        seat.card.fill(no_card);
    }
    g.deck_pos = 0;
    g.weak_suit = -1;
    g.game_over = flag_false;
    g.finish_count = 0;
    for (int round = 0; round < hand_count; ++round) {
        for (int16_t s = 0; s < 4; ++s) {
            g.seat[s].card[Card_Empty_Slot(g, s)] = g.deck[g.deck_pos];
            ++g.deck_pos;
        }
    }
    Sort_Card(g, 0);
    g.open_card = g.deck[g.deck_pos];
    ++g.deck_pos;
    g.lead_suit = Get_Suit(g.open_card);
}

void Initialize_Game(Game_Context &ctx) {
    deal_cards(ctx.g);
    start_play(ctx);
}

} // namespace plenk
