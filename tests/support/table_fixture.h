#pragma once

#include "game/game_context.h"
#include "game/game_state.h"
#include "platform/headless_platform.h"
#include "ui/table_renderer.h"

#include <initializer_list>
#include <vector>

namespace plenk::test {

// A game on the headless platform with the real table drawing: the state the
// game window would own, with the card size the card library reports.
struct Table_Fixture {
    Headless_Platform os;
    Game_State g{};
    Table_Renderer view{g, os};
    Game_Context ctx{g, os, view};

    Table_Fixture();
    // Deals from the pack as it stands in `deck` (the identity if untouched),
    // without starting play.
    void deal_from(const std::vector<int16_t>& deck);
    // Replaces a seat's hand, keeping the hand rule.
    void set_hand(int seat, std::initializer_list<int16_t> cards);
    std::vector<int16_t> hand(int seat) const;
    // Empties the stock.
    void empty_stock() { g.deck_pos = pack_size; }
    // The human's hand laid out on the table: the corner of slot `slot`.
    float human_card_x(int slot) const;
    float human_card_y() const;
};

// The pack in which the cards listed come first, in that order, followed by
// the others in ascending order.
std::vector<int16_t> pack_starting_with(std::initializer_list<int16_t> first);

} // namespace plenk::test
