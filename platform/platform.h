#pragma once

#include "platform/text.h"

#include <cstdint>
#include <string>
#include <vector>

namespace plenk {

// Message boxes: every box of the game carries the information icon; the
// warning icon is kept for the record file's trouble reports.
enum class Box_Icon { Information, Warning };
// Yes_No_Default_No: Enter answers No, for a question whose Yes loses something.
enum class Box_Buttons { Ok, Yes_No, Yes_No_Default_No };
enum class Box_Answer { Ok, Yes, No };

// The two items of the Table menu whose check marks the game reads and sets.
enum class Table_Item : int16_t { Default = 0, Blue_Sky = 1 };

// What reading the record file gave: the bytes it holds (at most the length
// asked for), or the system's reason it could not be read.
struct File_Read {
    bool ok = false;
    std::vector<uint8_t> bytes;
    std::string reason;
};

// Where the record is loaded from (empty when there is none yet) and where it
// is saved. The two differ only when a record beside the program cannot be
// written there: its results then go on in the user's data folder.
struct Record_Place {
    std::string load_from;
    std::string save_to;
};

// The card library's card size, which cdtInit reports: the classic card.
constexpr int32_t deck_card_width = 71;
constexpr int32_t deck_card_height = 96;

// Every service the game asks of the desktop and its card library. All calls
// come from the window's one thread. Strings are UTF-8; texts for the player
// come in the code's English and are shown in the player's language.
class Platform {
  public:
    virtual ~Platform() = default;

    // Card library. cdtInit writes the card size; cdtDraw paints one card at
    // its top-left corner: mode 0 a face (card = library index 0..51), mode 1
    // a back (card = back design). Results are not examined by the game.
    virtual int32_t cdtInit(int32_t &width, int32_t &height) = 0;
    virtual int32_t cdtDraw(int32_t hdc, int32_t x, int32_t y, int32_t card, int32_t mode,
                            int32_t color) = 0;

    // The persistent drawing surface of the window.
    virtual int32_t surface_dc() = 0;
    virtual void clear_surface() = 0;
    virtual void refresh_surface() = 0;
    // Lays the picture from the file under all drawing; false (and the
    // background as it was) when the file cannot be decoded as a picture.
    virtual bool set_background_picture(const std::string &path) = 0;
    virtual void clear_background_picture() = 0;

    // The keyboard's mark over one card of the human's hand, in table pixels:
    // an outline painted above the table drawing, which it leaves untouched.
    virtual void set_focus_mark(bool visible, int32_t x, int32_t y, int32_t width,
                                int32_t height) = 0;

    // The announcement label over the table.
    virtual void set_label_caption(const Text &caption) = 0;
    virtual void set_label_visible(bool visible) = 0;
    virtual void refresh_label() = 0;

    // Check marks of the Table menu.
    virtual void set_check(Table_Item item, bool checked) = 0;
    virtual bool is_checked(Table_Item item) = 0;

    // Modal boxes and the help window.
    virtual Box_Answer message_box(const Text &text, const Text &title, Box_Icon icon,
                                   Box_Buttons buttons) = 0;
    // The typed text, empty when cancelled.
    virtual std::string input_box(const Text &prompt) = 0;
    virtual void show_help_window() = 0;

    // Timing. Sleep waits `ms` milliseconds handling events. pump_events
    // handles every pending event, then waits for the next event or until
    // wait_ms have passed, whichever comes first.
    virtual void Sleep(uint32_t ms) = 0;
    virtual uint32_t GetTickCount() = 0;
    virtual void pump_events(int32_t wait_ms) = 0;

    // Random numbers: the clock in seconds since midnight, re-seeding that
    // mixes a number into the generator, and a uniform 0 <= r < 1.
    virtual float clock_seconds() = 0;
    virtual void reseed(float seed) = 0;
    virtual float random_value() = 0;

    // Files. The user's data folder is where an installed copy, whose own
    // folder takes no files, keeps them; it need not exist yet.
    virtual std::string program_folder() = 0;
    virtual std::string user_data_folder() = 0;
    virtual bool file_exists(const std::string &path) = 0;
    // Where the record lives. Temporary files an interrupted save of this
    // program left there are removed.
    virtual Record_Place record_place() = 0;
    // Reads up to `length` bytes from the start of the record file; only an
    // ordinary file is read, and reading never blocks.
    virtual File_Read read_record_file(const std::string &path, std::size_t length) = 0;
    // Puts `record` at offset 0 of the ordinary file, creating it when missing
    // and keeping whatever the file holds after the record, its links, owner
    // and permissions; after a kill at any instant the file holds the old
    // record or the new one. Returns the system's reason on failure, an empty
    // string on success.
    virtual std::string write_record_file(const std::string &path,
                                          const std::vector<uint8_t> &record) = 0;

    // Ends the process at once: nothing after it runs, nothing is saved.
    [[noreturn]] virtual void end_program() = 0;
};

} // namespace plenk
