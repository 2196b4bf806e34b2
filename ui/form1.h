#pragma once

#include "game/game_context.h"
#include "game/game_state.h"
#include "game/human_selection.h"
#include "platform/platform.h"
#include "record/record_file.h"
#include "ui/table_show.h"

#include <cstdint>
#include <functional>
#include <string>

namespace plenk {

// The keys that play from the keyboard: move the mark left or right over the
// human's hand or to its first or last card, or play the marked card.
enum class Hand_Key { Left, Right, First, Last, Play };

// The keys that read the table aloud without changing it: the cards on the
// table and the suit to follow, each seat's card count, the open card or the
// stock, and the last round.
enum class Table_Question { Table_Cards, Seat_Counts, Centre, Last_Round };

// The game window's behaviour, free of any toolkit: it answers the window's
// events over the game's state and the record, which the program keeps. The toolkit's window
// forwards its menu choices, mouse presses and close request here.
class Form1 {
  public:
    Form1(Game_State &g, Record_State &rec, Platform &os);

    // Once, when the window is created and before it is first shown.
    void Form_Load();
    // The close box: ends the program at once.
    void Form_Unload();
    // Game menu: 0 Deal, 1 Show Rank, 2 Reset Record, 3 separator, 4 Exit.
    void gm_submnu_Click(int16_t index);
    // Table menu: 0 Default, 1 Blue Sky & Sea.
    void tbl_submnu_Click(int16_t index);
    // Help menu: How to Play.
    void Help_submnu_Click();
    // A mouse button, any of them, went down over the table at table pixels
    // (x, y).
    void Form_MouseDown(float x, float y);
    // A key of keyboard play; refused, like a press, unless the human may play.
    void Form_KeyDown(Hand_Key key);
    // A key that reads the table; answered at any time.
    void Form_Ask(Table_Question question);
    // Where the words for a screen reader go, each announcement once.
    void on_announce(std::function<void(const Text &)> announce) {
        show_.on_announce(std::move(announce));
    }
    // Told true when the game moves on by itself (a deal, or the computer
    // seats after the human's card), false when it stops again; Game menu
    // choices but Exit, presses and keys of play are refused meanwhile.
    void on_busy(std::function<void(bool)> busy) { busy_ = std::move(busy); }
    // Told the slot of a card of the human's hand the rule refused, with the
    // words a screen reader hears for it.
    void on_refused(std::function<void(int16_t slot, const Text &words)> refused) {
        refused_ = std::move(refused);
    }

    const Game_State &state() const { return g_; }
    // Whether the game waits for the human's card: the human may play and
    // the computer seats are not moving meanwhile.
    bool awaiting_human() const { return !engine_running_ && human_may_play(g_); }
    // The slot under the keyboard's mark, -1 while the mark is hidden.
    int16_t marked_slot() const;

  private:
    // Plays the card in the slot by the rule of a press, with the mark
    // hidden while the game moves on.
    void play_slot(int16_t slot);
    // Shows the mark over its card while the human may play, else hides it;
    // a turn starts with it on the first card that may be played.
    void update_mark(bool new_turn);
    void hide_mark();
    // Tells whose turn it is when the game waits for the human's card.
    void tell_turn();
    void set_running(bool running);

    Game_State &g_;
    Record_State &rec_;
    Platform &os_;
    Table_Show show_{g_, rec_, os_};
    Game_Context context_{g_, os_, show_};
    std::function<void(bool)> busy_;
    std::function<void(int16_t, const Text &)> refused_;
    // The turn engine runs: the table is drawn from within it, and a state
    // seen then may show seat 0 to move before the engine has come to it.
    bool engine_running_ = false;
    int16_t mark_slot_ = 0;
    int16_t marked_card_ = -1; // the card under the mark, followed within a turn
};

} // namespace plenk
