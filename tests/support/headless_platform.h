#pragma once

#include "platform/file_services.h"
#include "platform/platform.h"
#include "platform/random_source.h"
#include "tests/support/english.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace plenk {

// One call made on the headless platform, in the order made.
struct Platform_Call {
    enum class Kind {
        Draw,
        Clear,
        Refresh,
        Background,
        Label_Caption,
        Label_Visible,
        Label_Refresh,
        Check,
        Message_Box,
        Input_Box,
        Help_Window,
        Sleep,
        Pump,
        End_Program,
        Focus_Mark
    };
    Kind kind;
    std::array<int32_t, 6> args{}; // the six cdtDraw arguments; the number for others
    std::string text;              // caption, box text, prompt, picture path
    std::string title;             // box title; for answers, what was answered
};

// Thrown by end_program, so a test sees the process end where it would have.
struct Program_Ended {};

// Thrown when a box appears that no test expected.
struct Unexpected_Box : std::logic_error {
    using std::logic_error::logic_error;
};

// A platform without a window: records every call, answers boxes from queued
// answers, and keeps a millisecond counter that moves only while the code
// waits, so whole games with their pauses run in no real time.
class Headless_Platform : public Platform {
  public:
    using Kind = Platform_Call::Kind;
    Headless_Platform();
    ~Headless_Platform() override;
    Headless_Platform(const Headless_Platform &) = delete;
    Headless_Platform &operator=(const Headless_Platform &) = delete;

    // --- What a test sets up -------------------------------------------------
    void answer_next_box(Box_Answer answer) { box_answers_.push_back(answer); }
    void answer_next_input(std::string text) { input_answers_.push_back(std::move(text)); }
    // Answers every box for which nothing is queued (used by long runs).
    std::function<Box_Answer(const std::string &text, const std::string &title)> box_answerer;
    // Runs `event` inside the first pump that reaches counter time `at`.
    void post_event(uint32_t at, std::function<void()> event);
    void seed(uint64_t seed);
    void set_clock(float seconds) { clock_ = seconds; }
    // Every random value, when set, so that a computer seat's choice is known.
    std::optional<float> fixed;
    // Long runs keep no log, only the counts.
    bool keep_log = true;
    // How the player's texts are written into the log.
    std::function<std::string(const Text &)> words = english;

    // --- What a test reads back ----------------------------------------------
    const std::vector<Platform_Call> &calls() const { return calls_; }
    std::vector<Platform_Call> calls_of(Platform_Call::Kind kind) const;
    void clear_log() { calls_.clear(); }

    // --- Platform ------------------------------------------------------------
    int32_t cdtInit(int32_t &width, int32_t &height) override {
        return width = deck_card_width, height = deck_card_height, 1;
    }
    int32_t cdtDraw(int32_t hdc, int32_t x, int32_t y, int32_t card, int32_t mode,
                    int32_t color) override {
        return log(Kind::Draw, {hdc, x, y, card, mode, color}), 1;
    }
    int32_t surface_dc() override { return 1; }
    void clear_surface() override { log(Kind::Clear); }
    void refresh_surface() override { log(Kind::Refresh); }
    bool set_background_picture(const std::string &path) override;
    void clear_background_picture() override { log(Kind::Background, {1}); }
    void set_label_caption(const Text &caption) override {
        label_caption_ = words(caption), log(Kind::Label_Caption, {}, label_caption_);
    }
    void set_label_visible(bool visible) override { log(Kind::Label_Visible, {visible}); }
    void refresh_label() override { log(Kind::Label_Refresh, {}, label_caption_); }
    void set_check(Table_Item item, bool checked) override {
        checks_[static_cast<std::size_t>(item)] = checked;
        log(Kind::Check, {static_cast<int32_t>(item), checked});
    }
    bool is_checked(Table_Item item) override { return checks_[static_cast<std::size_t>(item)]; }
    Box_Answer message_box(const Text &text, const Text &title, Box_Icon icon,
                           Box_Buttons buttons) override;
    std::string input_box(const Text &prompt) override;
    void show_help_window() override { log(Kind::Help_Window); }
    void Sleep(uint32_t ms) override;
    uint32_t GetTickCount() override { return tick_; }
    void pump_events(int32_t wait_ms) override;
    float clock_seconds() override { return clock_; }
    void reseed(float seed) override { random_.reseed(seed); }
    float random_value() override { return fixed ? *fixed : random_.next(); }
    std::string program_folder() override { return program_folder_; }
    std::string user_data_folder() override { return folder_ + "/user data/Plenk"; }
    void set_focus_mark(bool visible, int32_t x, int32_t y, int32_t width,
                        int32_t height) override {
        log(Kind::Focus_Mark, {visible, x, y, width, height});
    }
    bool file_exists(const std::string &path) override { return File_Exists(path); }
    Record_Place record_place() override;
    File_Read read_record_file(const std::string &path, std::size_t length) override {
        return read_file_start(path, length);
    }
    std::string write_record_file(const std::string &path,
                                  const std::vector<uint8_t> &record) override {
        return write_file_start(path, record);
    }
    [[noreturn]] void end_program() override { log(Kind::End_Program), throw Program_Ended{}; }

    // Stands the program in another folder, as an installed copy would be.
    void set_program_folder(std::string folder) { program_folder_ = std::move(folder); }

    // The counter can be set to test its wrap-around.
    void set_tick(uint32_t tick) { tick_ = tick; }

  private:
    struct Event {
        uint32_t at;
        std::function<void()> run;
    };
    void log(Kind kind, std::array<int32_t, 6> args = {}, std::string text = {},
             std::string title = {}) {
        if (keep_log)
            calls_.push_back({kind, args, std::move(text), std::move(title)});
    }
    void run_due_events();

    std::vector<Platform_Call> calls_;
    std::deque<Box_Answer> box_answers_;
    std::deque<std::string> input_answers_;
    std::deque<Event> events_;
    Random_Source random_;
    std::string folder_;
    std::string program_folder_;
    std::string label_caption_;
    std::array<bool, 2> checks_{};
    uint32_t tick_ = 1000;
    float clock_ = 43200.0f;
};

} // namespace plenk
