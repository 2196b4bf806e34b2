#pragma once

#include "game/game_state.h"
#include "platform/platform.h"

#include <cstdint>

namespace plenk {

// Waits more than `ms` milliseconds of the platform's counter, handling window
// events meanwhile: it lets the pump sleep until the next event or the
// deadline instead of spinning.
void Delay(Platform &os, int32_t ms);

// Paints the table from the state through the card library, and slides cards.
class Table_Renderer {
  public:
    Table_Renderer(Game_State &g, Platform &os) : g_(g), os_(os) {}
    // Repaints the whole table from the state.
    void Draw_Card();
    // Slides a card back: direction 0 from the seat's hand to its table spot,
    // any other value from the stock to the seat's hand.
    void Animate_Card(int16_t direction, int16_t cur_player);

  private:
    Game_State &g_;
    Platform &os_;
};

} // namespace plenk
