#pragma once

#include "game/game_state.h"
#include "tests/support/table_fixture.h"

#include <string>
#include <vector>

namespace plenk::test {

// The platform as a scenario watches it: every call the game makes, and what
// the screen reader is told, become lines of one transcript in the order they
// happen, with the player's texts in the loaded language. Repaints read
// "paint" (each card under `detail_draws`), the frames of a slide one line.
struct Transcript_Platform : Fixed_Random_Platform {
    std::vector<std::string> lines;
    const Game_State *g = nullptr; // tells a slide's frame from a repaint
    bool detail_draws = false;
    bool muted = false;

    void line(const std::string &text);
    void say(const Text &words) { line("say " + shown(words)); }
    // The text as the window shows it, with the folders named, not spelled.
    std::string shown(const Text &text);
    std::string named(std::string text);
    // The file's bytes: the name as stored, the five counters, what follows.
    std::string record_bytes(const std::string &path);

    int32_t cdtDraw(int32_t hdc, int32_t x, int32_t y, int32_t card, int32_t mode,
                    int32_t color) override;
    void clear_surface() override;
    void refresh_surface() override;
    bool set_background_picture(const std::string &path) override;
    void clear_background_picture() override;
    void set_label_caption(const Text &caption) override;
    void set_label_visible(bool visible) override;
    void refresh_label() override;
    void set_check(Table_Item item, bool checked) override;
    Box_Answer message_box(const Text &text, const Text &title, Box_Icon icon,
                           Box_Buttons buttons) override;
    std::string input_box(const Text &prompt) override;
    void show_help_window() override;
    void Sleep(uint32_t ms) override;
    void set_focus_mark(bool visible, int32_t x, int32_t y, int32_t width, int32_t height) override;
    std::string write_record_file(const std::string &path,
                                  const std::vector<uint8_t> &record) override;
    [[noreturn]] void end_program() override;

  private:
    void end_slide();
    struct Drawn {
        int32_t x, y, card, mode;
    };
    std::vector<Drawn> frame_;
    std::string slide_card_;
    int32_t slide_x_ = 0, slide_y_ = 0, slide_frames_ = 0;
    std::string slide_from_;
};

// The text in double quotes, its line breaks written \r and \n.
std::string quoted(const std::string &text);

// The table in words: each hand, the cards on the table, and the state.
std::vector<std::string> table_lines(const Game_State &g);

} // namespace plenk::test
