#pragma once

#include "game/game_context.h"
#include "game/game_state.h"
#include "platform/headless_platform.h"
#include "ui/table_renderer.h"

#include <array>
#include <cstdint>
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
class Memory_Record_Platform : public Headless_Platform {
public:
    File_Read read_record_file(const std::string& path, std::size_t length) override;
    std::string write_record_file(const std::string& path, const std::vector<uint8_t>& record) override;
    std::vector<uint8_t> saved;
    int save_count = 0;
};

struct Game_Outcome {
    int cards_played = 0;
    int human_place = 0; // 1..3 the human's place, 4 lost
};

// Plays whole games from random seeds: the human clicks random points over its
// hand until a card plays and answers "You win!" at random. With checking on,
// the rules are checked after every card played, drawn or taken, and at the
// end of each game; a broken rule throws Rule_Broken.
class Random_Game_Runner : private Table_View {
public:
    explicit Random_Game_Runner(bool check_rules);
    Game_Outcome play(uint64_t seed);
    const Game_State& state() const { return g_; }

private:
    void Draw_Card() override;
    void Animate_Card(int16_t direction, int16_t cur_player) override;
    void check_rules();
    void check_end_of_game(const std::array<int16_t, 5>& counts_before);
    [[noreturn]] void broken(const std::string& what) const;

    bool check_;
    Memory_Record_Platform os_;
    Game_State g_{};
    Table_Renderer renderer_{g_, os_};
    Game_Context ctx_{g_, os_, *this};
    std::mt19937_64 human_;
    uint64_t seed_ = 0;
    Game_Outcome outcome_;
    std::array<bool, pack_size> gone_{}; // cards that have left play this game
    std::array<int16_t, 4> finish_order_{};
    int finishers_seen_ = 0;
    bool human_declined_ = false;
    int stat_boxes_ = 0;
    long draws_this_game_ = 0;
};

} // namespace plenk::test
