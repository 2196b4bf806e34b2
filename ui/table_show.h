#pragma once

#include "game/game_state.h"
#include "game/table_view.h"
#include "platform/platform.h"
#include "record/record_file.h"
#include "ui/table_news.h"
#include "ui/table_renderer.h"

#include <functional>

namespace plenk {

// What the player sees and hears of the game: the table painted and its
// cards slid by the renderer, and each thing that happens turned into the
// label, the pauses, the boxes, the record's save and the words for a
// screen reader.
class Table_Show : public Table_View {
  public:
    Table_Show(Game_State &g, Record_State &rec, Platform &os)
        : g_(g), rec_(rec), os_(os), renderer_(g, os) {}

    // Where the words for a screen reader go, each announcement once.
    void on_announce(std::function<void(const Text &)> announce) {
        announce_ = std::move(announce);
    }
    void tell(const std::vector<Text> &news) const;
    const Table_News &news() const { return news_; }

    void Draw_Card() override;
    void Animate_Card(int16_t direction, int16_t cur_player) override;
    void dealt() override;
    void played(int16_t seat, int16_t card) override;
    void plenking(int16_t seat) override;
    void drew(int16_t seat, int count) override;
    void took(int16_t seat, const std::vector<int16_t> &taken, int16_t leader) override;
    void round_won(int16_t seat) override;
    bool finished(int16_t seat, int place) override;
    void game_ended() override;

  private:
    Game_State &g_;
    Record_State &rec_;
    Platform &os_;
    Table_Renderer renderer_;
    Table_News news_;
    std::function<void(const Text &)> announce_;
};

} // namespace plenk
