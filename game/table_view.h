#pragma once

#include <cstdint>

namespace plenk {

// What the engine asks of the table's presentation.
class Table_View {
  public:
    virtual ~Table_View() = default;
    // Repaints the whole table from the state.
    virtual void Draw_Card() = 0;
    // Slides a card back: direction 0 from the seat's hand to its table spot,
    // any other value from the stock to the seat's hand.
    virtual void Animate_Card(int16_t direction, int16_t cur_player) = 0;
};

} // namespace plenk
