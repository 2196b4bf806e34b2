#pragma once

#include "game/game_state.h"
#include "tests/support/headless_platform.h"
#include "ui/table_renderer.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace plenk::test {

// Cards by name: rank A 2..9 T J Q K, then suit C D H S ("QH" the queen of
// hearts); "-" is no card.
int16_t card(std::string_view name);
std::vector<int16_t> cards(std::string_view names);
std::string name_of(int16_t card);

// A table laid out for one step of the rules. Hands are given as held.
struct Layout {
    std::array<std::string, 4> hands{};
    std::string played = "- - - -"; // each seat's card on the table
    std::string stock;              // the stock, next card first
    std::string open = "-";         // the card turned up at the deal
    char lead = '-';                // the suit to follow, '-' when the next card opens a round
    std::string finished;           // finished seats, e.g. "13"
    int16_t turn = 0;
    char weak = '-';
};

// The deal's geometry, then the layout.
void lay(Game_State &g, const Layout &layout);

// The engine on the headless platform with the real table drawing.
struct Table_Fixture {
    Headless_Platform os;
    Game_State g{};
    Table_Renderer renderer{g, os};

    Table_Fixture() { os.cdtInit(g.card_w, g.card_h); }
    void lay(const Layout &layout) { test::lay(g, layout); }
};

} // namespace plenk::test
