#include "ui/form1.h"

#include "game/deal.h"
#include "game/hand.h"
#include "game/human_selection.h"
#include "platform/text_marker.h"
#include "record/record_file.h"
#include "ui/table_layout.h"

namespace plenk {

Form1::Form1(Game_State &g, Record_State &rec, Platform &os) : g_(g), rec_(rec), os_(os) {}

void Form1::tell_turn() {
    if (awaiting_human())
        show_.tell({turn_words(g_.lead_suit)});
}

void Form1::set_running(bool running) {
    engine_running_ = running;
    if (busy_)
        busy_(running);
}

void Form1::Form_Load() {
    os_.cdtInit(g_.card_w, g_.card_h);
    g_.game_over = flag_true;
    load_record(os_, rec_);
    tbl_submnu_Click(1);
}

void Form1::Form_Unload() {
    os_.end_program();
}

void Form1::gm_submnu_Click(int16_t index) {
    // Only Exit is honoured while a card moves or the game pauses.
    if (index != 4 && (g_.animating == flag_true || engine_running_))
        return;
    switch (index) {
    case 0:
        hide_mark();
        Shuffle_Deck(g_, os_);
        set_running(true);
        Initialize_Game(context_);
        set_running(false);
        tell_turn();
        update_mark(true);
        break;
    case 1:
        show_human_stat(os_, rec_);
        break;
    case 2:
        if (os_.message_box(
                QT_TRANSLATE_NOOP("Window", "This will reset previous name and record. Continue?"),
                QT_TRANSLATE_NOOP("Window", "Confirm Reset"), Box_Icon::Information,
                Box_Buttons::Yes_No_Default_No) == Box_Answer::Yes)
            reset_record(os_, rec_);
        break;
    case 4:
        os_.end_program();
    default:
        break;
    }
}

void Form1::tbl_submnu_Click(int16_t index) {
    if (index != 0 && index != 1)
        return;
    const Table_Item item = static_cast<Table_Item>(index);
    if (os_.is_checked(item))
        return;
    os_.set_check(Table_Item::Default, false);
    os_.set_check(Table_Item::Blue_Sky, false);
    if (item == Table_Item::Default) {
        os_.clear_background_picture();
        os_.set_check(Table_Item::Default, true);
    } else {
        // Beside the program, else where an installed copy keeps its files.
        std::string path = os_.program_folder() + "/table01.jpg";
        if (!os_.file_exists(path))
            path = os_.user_data_folder() + "/table01.jpg";
        // A picture that cannot be decoded counts as no picture.
        if (os_.file_exists(path) && os_.set_background_picture(path))
            os_.set_check(Table_Item::Blue_Sky, true);
    }
    if (g_.game_over != flag_true) {
        show_.Draw_Card();
        update_mark(false);
    }
}

void Form1::Help_submnu_Click() {
    os_.show_help_window();
}

void Form1::Form_MouseDown(float x, float y) {
    play_slot(slot_under_press(g_, x, y));
}

void Form1::Form_KeyDown(Hand_Key key) {
    if (!awaiting_human())
        return;
    const int16_t n = Card_Empty_Slot(g_, 0);
    if (key == Hand_Key::Left && mark_slot_ > 0)
        --mark_slot_;
    if (key == Hand_Key::Right && mark_slot_ < n - 1)
        ++mark_slot_;
    if (key == Hand_Key::First)
        mark_slot_ = 0;
    if (key == Hand_Key::Last)
        mark_slot_ = static_cast<int16_t>(n - 1);
    marked_card_ = g_.seat[0].card[mark_slot_];
    if (key == Hand_Key::Play)
        play_slot(mark_slot_);
    else
        update_mark(false);
}

void Form1::play_slot(int16_t slot) {
    // A card the rule refuses changes nothing, the mark included; nor does a
    // press while the game moves on.
    if (!awaiting_human())
        return;
    if (!human_may_play_slot(g_, slot)) {
        if (slot >= 0 && slot < Card_Empty_Slot(g_, 0)) {
            const Text words = refused_words(g_.seat[0].card[slot], g_.lead_suit);
            show_.tell({words});
            if (refused_)
                refused_(slot, words);
        }
        return;
    }
    hide_mark();
    set_running(true);
    play_human_card(context_, slot);
    set_running(false);
    tell_turn();
    update_mark(true);
}

void Form1::Form_Ask(Table_Question question) {
    if (!ever_dealt(g_)) {
        show_.tell({no_game_words()});
        return;
    }
    switch (question) {
    case Table_Question::Table_Cards:
        show_.tell({table_cards_words(g_)});
        break;
    case Table_Question::Seat_Counts:
        show_.tell({seat_counts_words(g_)});
        break;
    case Table_Question::Centre:
        show_.tell({centre_words(g_)});
        break;
    case Table_Question::Last_Round:
        show_.tell({last_round_words(show_.news().last_round())});
        break;
    }
}

int16_t Form1::marked_slot() const {
    return awaiting_human() && Card_Empty_Slot(g_, 0) > 0 ? mark_slot_ : int16_t{-1};
}

void Form1::hide_mark() {
    os_.set_focus_mark(false, 0, 0, 0, 0);
}

void Form1::update_mark(bool new_turn) {
    if (!awaiting_human()) {
        hide_mark();
        return;
    }
    const int16_t n = Card_Empty_Slot(g_, 0);
    if (n == 0) {
        hide_mark();
        return;
    }
    // A turn starts with the mark on the first card that may be played;
    // within the turn the mark stays on its card.
    for (int16_t j = n - 1; j >= 0; --j)
        if (new_turn ? human_may_play_slot(g_, j) : g_.seat[0].card[j] == marked_card_)
            mark_slot_ = j;
    if (mark_slot_ > n - 1)
        mark_slot_ = static_cast<int16_t>(n - 1);
    marked_card_ = g_.seat[0].card[mark_slot_];
    const Table_Rect mark = shown_rect(g_, 0, mark_slot_);
    os_.set_focus_mark(true, mark.x, mark.y, mark.width, mark.height);
}

} // namespace plenk
