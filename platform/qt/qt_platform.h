#pragma once

#include "platform/platform.h"
#include "platform/qt/card_deck.h"
#include "platform/random_source.h"

#include <QElapsedTimer>

#include <array>
#include <functional>
#include <string>

class QAction;
class QDialog;
class QLabel;
class QWidget;

namespace plenk {

class Table_Surface;

// The controls of the game window that the services act on.
struct Window_Parts {
    QWidget *window = nullptr; // owner of the boxes once it is on screen
    Table_Surface *surface = nullptr;
    QLabel *label = nullptr;
    std::array<QAction *, 2> table_items{}; // Default, Blue Sky & Sea
    QDialog *help_window = nullptr;
};

// The platform's services on a real Qt window and the SVG card deck.
class Qt_Platform : public Platform {
  public:
    // `folder` is where the record file and the table picture are looked for.
    explicit Qt_Platform(std::string folder,
                         QString deck_path = QString::fromLatin1(standard_deck_path));

    Card_Deck &deck() { return deck_; }
    void attach(const Window_Parts &parts) { parts_ = parts; }
    // Runs after every save that wrote the record.
    void on_record_written(std::function<void()> written) { written_ = std::move(written); }

    int32_t cdtInit(int32_t &width, int32_t &height) override;
    int32_t cdtDraw(int32_t hdc, int32_t x, int32_t y, int32_t card, int32_t mode,
                    int32_t color) override;
    int32_t surface_dc() override { return 1; }
    void clear_surface() override;
    void refresh_surface() override;
    bool set_background_picture(const std::string &path) override;
    void clear_background_picture() override;
    void set_label_caption(const Text &caption) override;
    void set_label_visible(bool visible) override;
    void refresh_label() override;
    void set_check(Table_Item item, bool checked) override;
    bool is_checked(Table_Item item) override;
    Box_Answer message_box(const Text &text, const Text &title, Box_Icon icon,
                           Box_Buttons buttons) override;
    std::string input_box(const Text &prompt) override;
    void show_help_window() override;
    void Sleep(uint32_t ms) override;
    uint32_t GetTickCount() override;
    void pump_events(int32_t wait_ms) override;
    float clock_seconds() override;
    void reseed(float seed) override { random_.reseed(seed); }
    float random_value() override { return random_.next(); }
    std::string program_folder() override { return folder_; }
    std::string user_data_folder() override;
    void set_focus_mark(bool visible, int32_t x, int32_t y, int32_t width, int32_t height) override;
    bool file_exists(const std::string &path) override;
    Record_Place record_place() override;
    File_Read read_record_file(const std::string &path, std::size_t length) override;
    std::string write_record_file(const std::string &path,
                                  const std::vector<uint8_t> &record) override;
    [[noreturn]] void end_program() override;

  private:
    QWidget *box_owner() const;
    QAction *item(Table_Item which) const {
        return parts_.table_items[static_cast<std::size_t>(which)];
    }

    std::string folder_;
    Card_Deck deck_;
    Window_Parts parts_;
    Random_Source random_;
    std::function<void()> written_;
    QElapsedTimer ticks_;
};

} // namespace plenk
