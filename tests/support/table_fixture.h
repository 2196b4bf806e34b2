#pragma once

#include "game/game_context.h"
#include "game/game_state.h"
#include "platform/headless_platform.h"
#include "record/record_file.h"
#include "ui/table_show.h"

#include <array>
#include <optional>
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
    std::array<const char *, 4> hands{"", "", "", ""};
    const char *played = "- - - -"; // each seat's card on the table
    const char *stock = "";         // the stock, next card first
    const char *open = "-";         // the card turned up at the deal
    char lead = '-';                // the suit to follow, '-' when the next card opens a round
    const char *finished = "";      // finished seats, e.g. "13"
    int16_t turn = 0;
    char weak = '-';
};

// The headless platform whose random value can be fixed, so that a computer
// seat's choice is known.
struct Fixed_Random_Platform : Headless_Platform {
    std::optional<float> fixed;
    float random_value() override { return fixed ? *fixed : Headless_Platform::random_value(); }
};

// The engine on the headless platform with the game's own table show; the
// engine's repaints and slides are noted among the platform's calls.
struct Table_Fixture : private Table_Show {
    Fixed_Random_Platform os;
    Game_State g{};
    Record_State rec{};
    Table_Renderer renderer{g, os}; // paints outside the engine, unnoted
    Game_Context ctx{g, os, *this};

    Table_Fixture();
    // The deal's geometry, then the layout.
    void lay(const Layout &layout);
    // Hands as "AC 2C|KH|-|5S"; table cards as "- 5H - -".
    std::string hands() const;
    std::string played() const;
    // "stock 2 lead H turn 1", then what differs from a fresh table: "open QH
    // weak H finished 2:02 over counts 7 1 0 0 0 saved".
    std::string state() const;
    // What happened since the last call: slides, repaints, pauses, the
    // label and the boxes, in order.
    std::string events();

  private:
    void Draw_Card() override;
    void Animate_Card(int16_t direction, int16_t cur_player) override;
    void note(const std::string &event);
    std::string events_;
};

} // namespace plenk::test
