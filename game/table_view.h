#pragma once

#include <cstdint>
#include <vector>

namespace plenk {

// What the engine asks of the table's presentation: repaints, slides, and
// each thing that happens in the game at the moment it happens. The
// presentation decides what the player sees and hears of it, and how long
// it stays on view.
class Table_View {
  public:
    virtual ~Table_View() = default;
    // Repaints the whole table from the state.
    virtual void Draw_Card() = 0;
    // Slides a card back: direction 0 from the seat's hand to its table spot,
    // any other value from the stock to the seat's hand.
    virtual void Animate_Card(int16_t direction, int16_t cur_player) = 0;

    // The cards are dealt and the open card lies face up.
    virtual void dealt() = 0;
    // The seat plays the card; it slides to the seat's spot next.
    virtual void played(int16_t seat, int16_t card) = 0;
    // The seat cannot follow and starts to draw from the stock.
    virtual void plenking(int16_t seat) = 0;
    // The seat's plenk has ended after drawing `count` cards.
    virtual void drew(int16_t seat, int count) = 0;
    // The seat is about to pick up `taken` from the table; `leader` leads
    // next. The table is cleared after this returns.
    virtual void took(int16_t seat, const std::vector<int16_t> &taken, int16_t leader) = 0;
    // Every unfinished seat has played and `seat` wins the round; the table is
    // cleared after this returns.
    virtual void round_won(int16_t seat) = 0;
    // The seat has played its last card and finished in `place` 1..3. For the
    // human, the answer is whether to watch the game continue.
    virtual bool finished(int16_t seat, int place) = 0;
    // The game is over.
    virtual void game_ended() = 0;
};

} // namespace plenk
