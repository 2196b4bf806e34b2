#pragma once

#include "game/game_state.h"
#include "ui/table_words.h"

#include <array>
#include <string>
#include <vector>

namespace plenk {

// Follows the table from one look to the next and tells, in words and in the
// order it happened, what a sighted player saw change: plays, draws, the end
// of a round, a seat finishing and the end of the game. The take itself is
// told by its label.
class Table_News {
  public:
    // A new deal begins: the next look tells the deal and forgets what was
    // seen before it.
    void dealing() { dealing_ = true; }
    // What changed since the last look.
    std::vector<Text> look(const Game_State &g);
    const Round_Plays &last_round() const { return last_round_; }

  private:
    Game_State seen_{};
    bool dealing_ = false;
    // Cards a seat has drawn in its plenk so far, told once it ends.
    std::array<int, 4> drawn_{};
    Round_Plays round_;
    Round_Plays last_round_;
};

} // namespace plenk
