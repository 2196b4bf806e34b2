#include "ui/form1.h"

#include "game/deal.h"
#include "game/human_selection.h"
#include "record/record_file.h"

namespace plenk {

Form1::Form1(Platform& os) : os_(os), renderer_(g_, os), context_{g_, os, renderer_} {}

void Form1::Form_Load() {
    os_.cdtInit(g_.card_w, g_.card_h);
    g_.game_over = flag_true;
    g_.data_file = os_.program_folder() + "/data.dat";
    if (os_.file_exists(g_.data_file))
        open_file(os_, g_, g_.data_file);
    else
        reset_record(os_, g_);
    tbl_submnu_Click(1);
}

void Form1::Form_Unload() { os_.end_program(); }

void Form1::gm_submnu_Click(int16_t index) {
    // Only Exit is honoured while a card moves.
    if (index != 4 && g_.animating == flag_true) return;
    switch (index) {
    case 0:
        Shuffle_Deck(g_, os_);
        Initialize_Game(context_);
        break;
    case 1:
        show_human_stat(os_, g_);
        break;
    case 2:
        if (os_.message_box("This will reset previous name and record. Continue?", "Confirm Reset",
                            Box_Icon::Information, Box_Buttons::Yes_No) == Box_Answer::Yes)
            reset_record(os_, g_);
        break;
    case 4:
        os_.end_program();
    default:
        break;
    }
}

void Form1::tbl_submnu_Click(int16_t index) {
    if (index != 0 && index != 1) return;
    const Table_Item item = static_cast<Table_Item>(index);
    if (os_.is_checked(item)) return;
    os_.set_check(Table_Item::Default, false);
    os_.set_check(Table_Item::Blue_Sky, false);
    if (item == Table_Item::Default) {
        os_.clear_background_picture();
        os_.set_check(Table_Item::Default, true);
    } else {
        const std::string path = os_.program_folder() + "/table01.jpg";
        // A picture that cannot be decoded counts as no picture.
        if (os_.file_exists(path) && os_.set_background_picture(path))
            os_.set_check(Table_Item::Blue_Sky, true);
    }
    if (g_.game_over != flag_true) renderer_.Draw_Card();
}

void Form1::Help_submnu_Click() { os_.show_help_window(); }

void Form1::Form_MouseDown(int16_t button, int16_t shift, float x, float y) {
    plenk::Form_MouseDown(context_, button, shift, x, y);
}

} // namespace plenk
