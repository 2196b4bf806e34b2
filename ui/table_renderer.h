#pragma once

#include "game/game_state.h"
#include "game/table_view.h"
#include "platform/platform.h"

#include <cstdint>

namespace plenk {

// Waits more than `ms` milliseconds of the platform's counter, handling window
// events meanwhile: it lets the pump sleep until the next event or the
// deadline instead of spinning.
void Delay(Platform &os, int32_t ms);

// Paints the table from the state through the card library, and slides cards.
class Table_Renderer : public Table_View {
  public:
    Table_Renderer(Game_State &g, Platform &os) : g_(g), os_(os) {}
    void Draw_Card() override;
    void Animate_Card(int16_t direction, int16_t cur_player) override;

  private:
    Game_State &g_;
    Platform &os_;
};

} // namespace plenk
