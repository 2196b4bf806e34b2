#pragma once

#include "ui/table_sentences.h"

#include <cstdint>
#include <vector>

namespace plenk {

// The words a screen reader hears for each thing that happens in the game,
// in the order it happens. It keeps only the plays of the round under way, so
// that the last round that ended can be told again. The take itself is told
// by its label.
class Table_News {
  public:
    std::vector<Text> dealt(int16_t open_card);
    std::vector<Text> played(int16_t seat, int16_t card);
    std::vector<Text> plenking(int16_t seat);
    std::vector<Text> drew(int16_t seat, int count);
    std::vector<Text> took(int16_t seat, const std::vector<int16_t> &taken, int16_t leader);
    // A round that ends after the game is over leads nothing.
    std::vector<Text> round_won(int16_t seat, bool game_over);
    std::vector<Text> finished(int16_t seat, int place);
    std::vector<Text> game_ended();
    const Round_Plays &last_round() const { return last_round_; }

  private:
    void round_ended(int16_t taker, int16_t leader);
    Round_Plays round_;
    Round_Plays last_round_;
    int human_place_ = 0; // 0 until the human finishes
};

} // namespace plenk
