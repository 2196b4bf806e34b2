#pragma once

#include "game/game_context.h"
#include "record/record_file.h"
#include "tests/support/headless_platform.h"
#include "ui/table_show.h"

#include <algorithm>
#include <array>
#include <random>
#include <string>

namespace plenk::test {

// The headless platform with the record file kept in memory, so that long
// runs of games do not wait on the disk.
struct Memory_Record_Platform : Headless_Platform {
    File_Read read_record_file(const std::string &, std::size_t length) override {
        return {true, {saved.begin(), saved.begin() + std::min(length, saved.size())}, {}};
    }
    std::string write_record_file(const std::string &,
                                  const std::vector<uint8_t> &record) override {
        saved.resize(std::max(saved.size(), record.size()));
        std::copy(record.begin(), record.end(), saved.begin());
        return ++save_count, std::string();
    }
    std::vector<uint8_t> saved;
    int save_count = 0;
};

struct Game_Outcome {
    int cards_played = 0;
    int human_place = 4; // 1..3 the human's place as the engine reported it, 4 lost
};

// The table a runner plays on, made before the game's show that it lends.
struct Runner_Table {
    Memory_Record_Platform os;
    Game_State g{};
    Record_State rec{};
};

// Plays whole games from random seeds: the human presses random points over
// its hand until a card plays, and answers "You win!" at random. With
// checking on, the rules are checked after every card played, drawn or
// taken, and at the end of each game; a broken rule throws.
class Random_Game_Runner : private Runner_Table, private Table_Show {
  public:
    explicit Random_Game_Runner(bool check_rules);
    Game_Outcome play(uint64_t seed);

  private:
    // The game's own presentation shows everything; the runner watches it
    // go by, checking the rules at each step.
    void Draw_Card() override;
    void Animate_Card(int16_t direction, int16_t cur_player) override;
    bool finished(int16_t seat, int place) override;
    void check_rules();
    [[noreturn]] void broken(const std::string &what) const;

    bool check_;
    Game_Context ctx_{g, os, *this};
    std::mt19937_64 human_;
    uint64_t seed_ = 0;
    struct Game_So_Far { // what the game being played has shown so far
        Game_Outcome outcome;
        std::array<bool, pack_size> gone{}; // cards that have left play for good
        bool human_declined = false;
        int stat_boxes = 0;
        long draws = 0;
    } now_;
};

} // namespace plenk::test
