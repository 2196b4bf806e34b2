#pragma once

#include "game/game_context.h"
#include "record/record_file.h"
#include "tests/support/headless_platform.h"
#include "ui/table_show.h"

#include <array>
#include <random>
#include <stdexcept>
#include <string>

namespace plenk::test {

// A broken rule of the game, found while a game runs.
struct Rule_Broken : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The headless platform with the record file kept in memory, so that long
// runs of games do not wait on the disk.
struct Memory_Record_Platform : Headless_Platform {
    File_Read read_record_file(const std::string &path, std::size_t length) override;
    std::string write_record_file(const std::string &path,
                                  const std::vector<uint8_t> &record) override;
    std::vector<uint8_t> saved;
    int save_count = 0;
};

struct Game_Outcome {
    int cards_played = 0;
    int human_place = 4; // 1..3 the human's place as the engine reported it, 4 lost
};

// Plays whole games from random seeds: the human presses random points over
// its hand until a card plays, and answers "You win!" at random. With
// checking on, the rules are checked after every card played, drawn or
// taken, and at the end of each game; a broken rule throws.
class Random_Game_Runner : private Table_View {
  public:
    explicit Random_Game_Runner(bool check_rules);
    Game_Outcome play(uint64_t seed);

  private:
    // The game's own presentation shows everything; the runner watches it
    // go by, checking the rules at each step.
    void Draw_Card() override;
    void Animate_Card(int16_t direction, int16_t cur_player) override;
    void dealt() override { show_.dealt(); }
    void played(int16_t seat, int16_t card) override { show_.played(seat, card); }
    void plenking(int16_t seat) override { show_.plenking(seat); }
    void drew(int16_t seat, int count) override { show_.drew(seat, count); }
    void took(int16_t seat, const std::vector<int16_t> &taken, int16_t leader) override {
        show_.took(seat, taken, leader);
    }
    void round_won(int16_t seat) override { show_.round_won(seat); }
    bool finished(int16_t seat, int place) override;
    void game_ended() override { show_.game_ended(); }
    void check_rules();
    [[noreturn]] void broken(const std::string &what) const;

    bool check_;
    Memory_Record_Platform os_;
    Game_State g_{};
    Record_State rec_{};
    Table_Show show_{g_, rec_, os_};
    Game_Context ctx_{g_, os_, *this};
    std::mt19937_64 human_;
    uint64_t seed_ = 0;
    Game_Outcome outcome_;
    std::array<bool, pack_size> gone_{}; // cards that have left play this game
    bool human_declined_ = false;
    int stat_boxes_ = 0;
    long draws_ = 0;
};

} // namespace plenk::test
